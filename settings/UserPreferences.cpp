#include "settings/UserPreferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString LastDirectoryKey = QStringLiteral("last directory");
const QString PositionKey = QStringLiteral("pos");

QSettings preferences()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltra"),
                     QStringLiteral("Rowsmith"));
}

} // namespace

QString UserPreferences::lastDirectory()
{
    const QString folder = preferences().value(LastDirectoryKey).toString();
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void UserPreferences::rememberFolderOf(const QString &filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    const QString canonical = QDir(folder).canonicalPath();
    preferences().setValue(LastDirectoryKey, canonical.isEmpty() ? folder : canonical);
}

bool UserPreferences::hasPosition()
{
    return preferences().contains(PositionKey);
}

QPoint UserPreferences::position()
{
    return preferences().value(PositionKey).toPoint();
}

void UserPreferences::setPosition(const QPoint &position)
{
    preferences().setValue(PositionKey, position);
}
