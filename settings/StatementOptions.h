#pragma once

#include <QString>

// The PdfSetting group of a convert setting.
struct StatementOptions
{
    bool generate = false;
    QString title;
    QString ment;
    QString comment;
    QString font;
    bool printCompanyName = false;
    bool printStoreName = false;
    bool printStorePostCode = false;
    bool printStoreAddress = false;
    bool printStoreTel = false;
    bool printStoreFax = false;
    bool printStoreEmail = false;
    bool printStoreSite = false;

    bool operator==(const StatementOptions &other) const;
};
