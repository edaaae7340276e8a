#pragma once

#include <QString>

// Spreadsheet column letters of a 0-based column: 0 "A", 25 "Z", 26 "AA", 702 "AAA".
QString columnLetters(int column);
