#pragma once

#include <QString>

// Renders the setting editors, each opened on an item of the first convert
// setting of the working folder's settings file, into PNG files in folder.
// Returns false, after saying why on stderr, when one cannot be written.
bool renderDialogScreenshots(const QString &folder);
