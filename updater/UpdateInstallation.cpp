#include "updater/UpdateInstallation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Copies `source` into the new file `target` (never through a link or over
// anything) and gives the SHA-256 of what was written; empty on failure.
QByteArray copyNew(const QString &source, const QString &target)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(buffer.data(), buffer.size());
        if (read < 0)
            return QByteArray();
        if (read == 0)
            break;
        if (out.write(buffer.constData(), read) != read)
            return QByteArray();
        hash.addData(buffer.constData(), int(read));
    }
    if (!out.flush())
        return QByteArray();
    out.close();
    return hash.result().toHex();
}

} // namespace

UpdateInstallation::UpdateInstallation(const QString &programFolder, FileReplacement::Rename rename)
    : programFolder_(programFolder), replacement_(std::move(rename))
{}

UpdateInstallation::~UpdateInstallation()
{
    discard();
}

bool UpdateInstallation::stage(const QString &source, const QString &name, const QByteArray &sha256)
{
    const QString target = QDir(programFolder_).filePath(name);
    const QFileInfo info(target);
    if (info.isDir() || !makeFolder(info.absolutePath()))
        return false;
    const QString staged = FileReplacement::newFileBeside(target);
    const QByteArray written = copyNew(source, staged);
    if (written != sha256) {
        damaged_ = !written.isEmpty();
        QFile::remove(staged);
        return false;
    }
    // The new file takes the old one's permissions (an executable stays one).
    if (info.exists())
        QFile::setPermissions(staged, QFile::permissions(target));
    replacement_.add(staged, target);
    return true;
}

bool UpdateInstallation::commit()
{
    if (replacement_.commit()) {
        createdFolders_.clear();
        return true;
    }
    discard();
    return false;
}

QString UpdateInstallation::failedName() const
{
    return QDir(programFolder_).relativeFilePath(replacement_.failedTarget());
}

bool UpdateInstallation::makeFolder(const QString &folder)
{
    QStringList missing;
    for (QDir dir(folder); !dir.exists(); dir.setPath(QFileInfo(dir.path()).path()))
        missing.append(dir.path());
    if (!QDir().mkpath(folder))
        return false;
    createdFolders_ += missing;
    return true;
}

void UpdateInstallation::discard()
{
    replacement_.discard();
    // Folders made for files that did not stay go too, inner ones first
    // (a folder goes only while empty).
    std::sort(createdFolders_.begin(), createdFolders_.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &folder : qAsConst(createdFolders_))
        QDir().rmdir(folder);
    createdFolders_.clear();
}
