#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// The seller's own company, group CompanyInfo: eight text values addressed by
// source code 0..7 (name, storeName, storeSite, postCode, address, tel, fax, email).
class CompanyInfo
{
public:
    static constexpr int FieldCount = 8;
    // The stored keys in code order.
    static QStringList keys();

    // Reads all eight values from the settings file once.
    static CompanyInfo read();
    // Writes all eight values under their keys, in code order; false when the
    // settings file could not be written, or not be read whole (nothing is
    // written then).
    bool write() const;

    // The value for a source code; "" outside 0..7.
    QString value(int code) const;
    // The same, as a view that lasts as long as this value does.
    QStringView view(int code) const;
    void setValue(int code, const QString &value);

private:
    std::array<QString, FieldCount> values_;
};

// The stored company field with that code, read from the settings file at this
// call; "" for codes outside 0..7.
QString companyValue(int code);
