#include "csv/PendingFile.h"

#include "csv/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace {

QString throughLinks(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    // A dangling link still names where the file would go.
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

PendingFile::PendingFile(const QString &target) : target_(throughLinks(target)) {}

PendingFile::~PendingFile()
{
    if (direct_ || file_.fileName().isEmpty())
        return;
    const QString staged = file_.fileName();
    QString current = staged;
#ifdef Q_OS_LINUX
    // The folder may have been moved away meanwhile; the open file still
    // knows where it is now.
    if (file_.isOpen() && !QFileInfo::exists(staged)) {
        const QString link =
            QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(file_.handle())).symLinkTarget();
        if (QFileInfo(link).fileName() == QFileInfo(staged).fileName())
            current = link;
    }
#endif
    file_.close();
    QFile::remove(current); // nothing there once it was moved into place
}

bool PendingFile::isStreamTarget(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode);
#else
    Q_UNUSED(path);
    return false;
#endif
}

bool PendingFile::open()
{
    const QFileInfo target(target_);
    if (isStreamTarget(target_)) {
        direct_ = true;
        file_.setFileName(target_);
    } else if (target.exists() && !target.isFile()) {
        error_ = QCoreApplication::translate("CsvWriter", "%1 is not a regular file")
                     .arg(QDir::toNativeSeparators(target_));
        return false;
    } else {
        // A new name nobody knows beforehand, never a file that already exists.
        file_.setFileName(FileReplacement::newFileBeside(target_));
    }
    const QIODevice::OpenMode mode =
        direct_ ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::NewOnly;
    if (!file_.open(mode)) {
        error_ = file_.errorString();
        if (!direct_)
            file_.setFileName(QString());
        return false;
    }
    return true;
}

bool PendingFile::finish()
{
    if (!file_.isOpen()) {
        error_ = file_.errorString();
        return false;
    }
    if (!file_.flush() || file_.error() != QFileDevice::NoError) {
        error_ = file_.errorString();
        return false;
    }
    if (direct_) {
        file_.close();
        return true;
    }
    if (!syncToDisk())
        return false;
    takeOwnership();
#ifdef Q_OS_WIN
    file_.close(); // an open file cannot be renamed there
#endif
    return true;
}

// The new file must be whole on disk before it replaces the old one, or a
// crash right after could leave an empty file in its place.
bool PendingFile::syncToDisk()
{
#ifdef Q_OS_UNIX
    if (::fsync(file_.handle()) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#elif defined(Q_OS_WIN)
    if (::_commit(file_.handle()) != 0) {
        error_ = file_.errorString();
        return false;
    }
#endif
    return true;
}

void PendingFile::takeOwnership()
{
    if (!QFileInfo::exists(target_))
        return;
#ifdef Q_OS_UNIX
    struct stat old;
    if (::stat(QFile::encodeName(target_).constData(), &old) != 0)
        return;
    // Owner and group where this process may give them (root may), else the
    // group alone; the mode last, as a change of owner may clear some of it.
    const int fd = file_.handle();
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // Left to this process's own; the mode below still keeps others out.
    }
    ::fchmod(fd, old.st_mode & 07777);
#else
    QFile::setPermissions(file_.fileName(), QFile::permissions(target_));
#endif
}
