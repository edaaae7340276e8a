#pragma once

#include <QString>

// Whether the settings file can be read whole. The store reads a file it
// cannot open as an empty one, and a file it cannot parse as the part it
// understood; a save then writes back only that part. So the file is checked
// before it is listed, converted with or written. A missing file is a fresh
// start and counts as readable.
class SettingsFileCheck
{
public:
    // The settings file of the current working folder, as it is now.
    static SettingsFileCheck now();

    bool isReadable() const;
    // For the user: the file's path and why it cannot be read.
    QString message() const;

private:
    QString path_;
    QString reason_; // empty while the file is readable
};
