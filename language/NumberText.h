#pragma once

#include <QString>

// A value read as a base-10 signed 32-bit integer: surrounding blanks and an
// optional sign allowed, digits only. Anything else, including a number outside
// the 32-bit range, reads as 0. Rules, conditions, merges and the statement all
// read numbers this way.
qint32 toInt32OrZero(const QString &text);
qint32 toInt32OrZero(QStringView text);
