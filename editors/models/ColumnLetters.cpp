#include "editors/models/ColumnLetters.h"

QString columnLetters(int column)
{
    if (column < 0)
        return QString();
    QString letters;
    // Bijective base 26: each step drops the last letter and shifts by one.
    for (int n = column; n >= 0; n = n / 26 - 1)
        letters.prepend(QLatin1Char(char('A' + n % 26)));
    return letters;
}
