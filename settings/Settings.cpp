#include "Settings.h"

#include <QDir>

namespace {
const QString settingsFileName = QStringLiteral("rowsmith.dat");
}

Settings::Settings(QObject *parent) : QSettings(settingsFileName, QSettings::IniFormat, parent) {}

QString Settings::filePath()
{
    return QDir::current().absoluteFilePath(settingsFileName);
}
