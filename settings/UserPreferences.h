#pragma once

#include <QPoint>
#include <QString>

// The per-user store (native format, "Veltra"/"Rowsmith"), beside the
// settings file: the folder the file dialogs start in and the window position.
class UserPreferences
{
public:
    // "last directory", or the user's home folder when none is stored.
    static QString lastDirectory();
    // Stores the canonical folder of filePath as "last directory"; the file
    // itself need not exist yet (a new output file).
    static void rememberFolderOf(const QString &filePath);

    static bool hasPosition();
    static QPoint position();
    static void setPosition(const QPoint &position);
};
