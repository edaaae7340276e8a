#pragma once

#include <QFile>
#include <QString>

// A file being written that is to take the place of `target`: a new file
// beside it under a name of its own, which a FileReplacement moves into
// place once it is complete. A FIFO or character device in the target's
// place takes the bytes as they come and is written directly; any other
// target that is not a regular file is refused. A link is followed: the file
// it names is replaced, the link stays.
class PendingFile
{
public:
    explicit PendingFile(const QString &target);
    ~PendingFile(); // drops the new file unless it was moved into place
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    // The same test as open()'s, without opening anything.
    static bool isStreamTarget(const QString &path);

    bool open();
    QFile &file() { return file_; }
    bool isDirect() const { return direct_; }
    // Writes out what is buffered, puts it on disk and closes the file; a new
    // file then takes the old one's permissions, owner and group where this
    // process may set them. False, with errorString(), on any failure.
    bool finish();
    QString errorString() const { return error_; }

    // Where the new file lies and which file it replaces; empty when direct.
    QString stagedPath() const { return direct_ ? QString() : file_.fileName(); }
    QString target() const { return target_; }

private:
    bool syncToDisk();
    void takeOwnership();

    QString target_; // through any link
    QFile file_;
    bool direct_ = false;
    QString error_;
};
