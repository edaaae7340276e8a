#include "csv/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

const QLatin1String NewSuffix(".rowsmith-new-");
const QLatin1String OldSuffix(".rowsmith-old-");

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

} // namespace

bool FileReplacement::rename(const QString &from, const QString &to, QString &error)
{
    QFile file(from);
    if (file.rename(to))
        return true;
    error = file.errorString();
    return false;
}

FileReplacement::FileReplacement(Rename rename) : rename_(std::move(rename))
{
    if (!rename_)
        rename_ = &FileReplacement::rename;
}

FileReplacement::~FileReplacement()
{
    discard();
}

QString FileReplacement::newFileBeside(const QString &target)
{
    return besideName(target, NewSuffix);
}

void FileReplacement::add(const QString &staged, const QString &target)
{
    entries_.append({staged, target, QString(), false});
}

bool FileReplacement::commit()
{
    QString error;
    for (int i = 0; i < entries_.size(); ++i) {
        Entry &entry = entries_[i];
        if (exists(entry.target)) {
            const QString aside = besideName(entry.target, OldSuffix);
            if (!rename_(entry.target, aside, error))
                return fail(i, error, i - 1);
            entry.aside = aside;
        }
        if (!rename_(entry.staged, entry.target, error))
            return fail(i, error, i);
        entry.moved = true;
    }
    // The old files go now; one still running stays until a later update.
    for (const Entry &entry : qAsConst(entries_)) {
        if (!entry.aside.isEmpty())
            QFile::remove(entry.aside);
    }
    entries_.clear();
    return true;
}

bool FileReplacement::fail(int entry, const QString &error, int rollBackFrom)
{
    failedTarget_ = entries_.at(entry).target;
    error_ = error;
    restored_ = rollBack(rollBackFrom);
    discard();
    return false;
}

bool FileReplacement::rollBack(int upTo)
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

void FileReplacement::discard()
{
    for (const Entry &entry : qAsConst(entries_)) {
        if (!entry.moved)
            QFile::remove(entry.staged);
    }
    entries_.clear();
}

void FileReplacement::removeLeftovers(const QString &folder)
{
    static const QRegularExpression leftover(
        QStringLiteral("^\\.(.+)\\.rowsmith-(new|old)-[0-9a-f]{8}$"));
    QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = leftover.match(name);
        // An old file stays while nothing has taken its place.
        if (match.hasMatch() &&
            (match.captured(2) == QLatin1String("new") || exists(dir.filePath(match.captured(1)))))
            dir.remove(name);
    }
}
