#pragma once

#include <QString>

// The updater's translation file, relative to the working folder, for the
// English name of the system locale's language; "" when there is none.
QString updaterTranslationFileFor(const QString &languageName);
