#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Puts the files of an update into the program folder all at once. Each is
// first copied beside its target under a name of its own; only when every
// copy is complete are they moved into place, the old files moved aside
// first. When a move fails, what was moved is put back, so a failed update
// leaves every old file as it was. A running program (the updater itself, on
// Windows) can be moved aside though not overwritten, so it may be among
// the files.
class UpdateInstallation
{
public:
    // Renames a file; fails when `to` exists. Tests make it fail on purpose.
    using Rename = std::function<bool(const QString &from, const QString &to)>;

    explicit UpdateInstallation(const QString &programFolder, Rename rename = {});
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
    QString failedName() const { return failedName_; }
    bool restored() const { return restored_; }

    // Folders of the program holding what an earlier update moved aside and
    // could not remove (a running program on Windows); removed where possible.
    static void removeLeftovers(const QString &programFolder);

private:
    struct Entry
    {
        QString name;
        QString target;
        QString staged;
        QString aside; // the old file while it is moved aside; empty when there was none
        bool moved = false;
    };
    bool makeFolder(const QString &folder);
    bool rollBack(int upTo);
    void discard();

    QString programFolder_;
    Rename rename_;
    QList<Entry> entries_;
    QStringList createdFolders_; // by staging
    bool damaged_ = false;
    QString failedName_;
    bool restored_ = true;
};
