#pragma once

#include <QString>

// Writes text to the standard streams as UTF-8, whatever the locale, and
// byte for byte: a "\n" stays one line feed on every platform.
void writeStandardOutput(const QString &text);
void writeStandardError(const QString &text);
