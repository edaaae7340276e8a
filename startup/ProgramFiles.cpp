#include "startup/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList programFileFolders()
{
    const QString program = QDir(QCoreApplication::applicationDirPath()).absolutePath();
    const QString working = QDir::currentPath();
    QStringList folders{program};
    if (QDir(working) != QDir(program))
        folders.append(working);
    return folders;
}

QString findProgramFile(const QString &relative, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(relative);
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return QString();
}
