#include "Settings.h"

Settings::Settings(QObject *parent)
    : QSettings(QStringLiteral("rowsmith.dat"), QSettings::IniFormat, parent)
{}
