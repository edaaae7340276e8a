#include "updater/UpdateInstallation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QLatin1String NewSuffix(".rowsmith-new-");
const QLatin1String OldSuffix(".rowsmith-old-");

// A name beside `target` that nobody else uses: hidden, and random so that it
// is not known before it is made.
QString besideName(const QString &target, QLatin1String suffix)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + suffix +
           QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, u'0');
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

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

UpdateInstallation::UpdateInstallation(const QString &programFolder, Rename rename)
    : programFolder_(programFolder), rename_(std::move(rename))
{
    if (!rename_)
        rename_ = [](const QString &from, const QString &to) { return QFile::rename(from, to); };
}

UpdateInstallation::~UpdateInstallation()
{
    discard();
}

bool UpdateInstallation::stage(const QString &source, const QString &name, const QByteArray &sha256)
{
    Entry entry;
    entry.name = name;
    entry.target = QDir(programFolder_).filePath(name);
    const QFileInfo target(entry.target);
    if (target.isDir() || !makeFolder(target.absolutePath()))
        return false;
    entry.staged = besideName(entry.target, NewSuffix);
    const QByteArray written = copyNew(source, entry.staged);
    if (written != sha256) {
        damaged_ = !written.isEmpty();
        QFile::remove(entry.staged);
        return false;
    }
    // The new file takes the old one's permissions (an executable stays one).
    if (target.exists())
        QFile::setPermissions(entry.staged, QFile::permissions(entry.target));
    entries_.append(entry);
    return true;
}

bool UpdateInstallation::commit()
{
    for (int i = 0; i < entries_.size(); ++i) {
        Entry &entry = entries_[i];
        if (exists(entry.target)) {
            const QString aside = besideName(entry.target, OldSuffix);
            if (!rename_(entry.target, aside)) {
                failedName_ = entry.name;
                restored_ = rollBack(i - 1);
                discard();
                return false;
            }
            entry.aside = aside;
        }
        if (!rename_(entry.staged, entry.target)) {
            failedName_ = entry.name;
            restored_ = rollBack(i);
            discard();
            return false;
        }
        entry.moved = true;
    }
    // The old files go now; one still running stays until a later update.
    for (const Entry &entry : qAsConst(entries_)) {
        if (!entry.aside.isEmpty())
            QFile::remove(entry.aside);
    }
    entries_.clear();
    createdFolders_.clear();
    return true;
}

bool UpdateInstallation::rollBack(int upTo)
{
    bool whole = true;
    for (int i = upTo; i >= 0; --i) {
        Entry &entry = entries_[i];
        if (entry.moved && QFile::remove(entry.target))
            entry.moved = false;
        if (!entry.moved && !entry.aside.isEmpty() && QFile::rename(entry.aside, entry.target))
            entry.aside.clear();
        whole = whole && !entry.moved && entry.aside.isEmpty();
    }
    return whole;
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
    for (const Entry &entry : qAsConst(entries_)) {
        if (!entry.moved)
            QFile::remove(entry.staged);
    }
    entries_.clear();
    // Folders made for files that did not stay go too, inner ones first
    // (a folder goes only while empty).
    std::sort(createdFolders_.begin(), createdFolders_.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &folder : qAsConst(createdFolders_))
        QDir().rmdir(folder);
    createdFolders_.clear();
}

void UpdateInstallation::removeLeftovers(const QString &programFolder)
{
    static const QRegularExpression leftover(
        QStringLiteral("^\\.(.+)\\.rowsmith-(new|old)-[0-9a-f]{8}$"));
    QDir folder(programFolder);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = leftover.match(name);
        // An old file stays while nothing has taken its place.
        if (match.hasMatch() && (match.captured(2) == QLatin1String("new") ||
                                 exists(folder.filePath(match.captured(1)))))
            folder.remove(name);
    }
}
