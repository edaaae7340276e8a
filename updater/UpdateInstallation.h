#pragma once

#include "csv/FileReplacement.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Puts the files of an update into the program folder all at once: each is
// first copied beside its target and checked, and only when every copy is
// complete are they moved into place together, so a failed update leaves
// every old file as it was. The updater itself may be among the files.
class UpdateInstallation
{
public:
    explicit UpdateInstallation(const QString &programFolder, FileReplacement::Rename rename = {});
    ~UpdateInstallation(); // drops whatever is staged and not installed
    UpdateInstallation(const UpdateInstallation &) = delete;
    UpdateInstallation &operator=(const UpdateInstallation &) = delete;

    // Copies `source` beside the program file `name` ("/" between folders).
    // False when that fails, or when the bytes copied do not have the SHA-256
    // (hex) `sha256`: then damaged() is true.
    bool stage(const QString &source, const QString &name, const QByteArray &sha256);
    bool damaged() const { return damaged_; }

    // Moves every staged file into place. False when one could not be;
    // failedName() names it and restored() says whether every old file is
    // back in place.
    bool commit();
    QString failedName() const;
    bool restored() const { return replacement_.restored(); }

private:
    bool makeFolder(const QString &folder);
    void discard();

    QString programFolder_;
    FileReplacement replacement_;
    QStringList createdFolders_; // by staging
    bool damaged_ = false;
};
