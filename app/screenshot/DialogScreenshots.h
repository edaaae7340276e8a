#pragma once

#include <QString>

// Renders the preferences dialog, the convert setting dialog on the first
// convert setting of the working folder's settings file, and the setting
// editors, each opened on an item of that setting, into PNG files in folder.
// Returns false, after saying why on stderr, when one cannot be written.
bool renderDialogScreenshots(const QString &folder);
