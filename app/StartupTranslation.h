#pragma once

#include <QString>

// The translation file, relative to the working folder, for the English name
// of the system locale's language: Korean and Japanese have one, every other
// language shows the Korean source texts ("" here).
QString translationFileFor(const QString &languageName);
