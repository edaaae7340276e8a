#pragma once

#include <QStringView>

// Character positions in UTF-16 text for the rules that count characters: a
// surrogate pair is one character and is never cut in half; a lone surrogate
// also counts as one.

int characterCount(QStringView text);
// The units taken by the first `count` characters; all of text when it has fewer.
int unitsOfFirstCharacters(QStringView text, int count);
// The units taken by the last `count` characters; all of text when it has fewer.
int unitsOfLastCharacters(QStringView text, int count);
