#pragma once

#include <QString>

// Width and kana conversions of the "charType" rule, driven by the constant
// tables of CharacterTables.h. Characters outside the tables pass unchanged.
QString toFullWidth(const QString &text);
QString toHalfWidth(const QString &text);
QString toHiragana(const QString &text);
QString toKatakana(const QString &text);
