#pragma once

#include <QList>
#include <QString>
#include <functional>

// Puts new files in the places of old ones all at once. Each new file lies
// complete beside its target under a name of its own; the old files are moved
// aside, the new ones moved in, and only then are the old ones dropped. When
// a move fails, what was moved is put back, so the targets are either all new
// or all as they were. A running program (on Windows) can be moved aside
// though not overwritten, so it may be among the targets.
class FileReplacement
{
public:
    // Renames a file, failing when `to` exists; says why in `error` when it
    // fails. Tests make it fail on purpose.
    using Rename = std::function<bool(const QString &from, const QString &to, QString &error)>;
    static bool rename(const QString &from, const QString &to, QString &error);

    explicit FileReplacement(Rename rename = {});
    ~FileReplacement(); // drops the new files not moved in
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // The name beside `target` for its new file: hidden, and random so that it
    // is not known before it is made.
    static QString newFileBeside(const QString &target);

    // The new file `staged` is to take the place of `target`.
    void add(const QString &staged, const QString &target);
    // False when one could not be moved in: failedTarget() names it,
    // errorString() says why and restored() whether every old file is back.
    bool commit();
    QString failedTarget() const { return failedTarget_; }
    QString errorString() const { return error_; }
    bool restored() const { return restored_; }
    // Drops the new files that were not moved in.
    void discard();

    // Removes what an earlier replacement in `folder` left: new files never
    // moved in, and old ones it could not remove (a running program) once a
    // new file stands in their place.
    static void removeLeftovers(const QString &folder);

private:
    struct Entry
    {
        QString staged;
        QString target;
        QString aside; // the old file while it is moved aside; empty when none
        bool moved = false;
    };
    bool fail(int entry, const QString &error, int rollBackFrom);
    bool rollBack(int upTo);

    Rename rename_;
    QList<Entry> entries_;
    QString failedTarget_;
    QString error_;
    bool restored_ = true;
};
