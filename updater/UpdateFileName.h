#pragma once

#include <QString>

// Whether a file name from the version document may be written below the
// temporary folder and the program folder: relative, "/" between folders, no
// drive, no backslash or colon, no empty, "." or ".." part.
bool isSafeUpdateFileName(const QString &name);
