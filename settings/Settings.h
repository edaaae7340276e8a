#pragma once

#include <QSettings>

// The settings store: "rowsmith.dat" in INI format in the current working
// folder. Opened on the spot by every reader and writer, never cached.
class Settings : public QSettings
{
    Q_OBJECT
public:
    explicit Settings(QObject *parent = nullptr);

    // The absolute path of the settings file in the current working folder.
    static QString filePath();
};
