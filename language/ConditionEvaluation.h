#pragma once

#include <QString>
#include <QStringList>

// Text test such as "startsWith(090)"; an unknown name is false.
bool testTextCondition(const QString &condition, const QString &value);
// bounds[0] is the lower, bounds[1] the upper bound; a missing entry is "".
bool testNumberRange(const QStringList &bounds, qint32 number);
// One stored condition string against a value: a "range(...)" condition reads
// the value as a 32-bit number (0 when it is none), anything else is a text test.
bool evaluateCondition(const QString &condition, const QString &value);
