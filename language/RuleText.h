#pragma once

#include <QString>
#include <QStringView>

// The call form shared by rule and condition strings: name "(" argument ")".

// The characters before the first "("; the whole string when it has none.
QString ruleFunctionName(const QString &s);
// The characters between the first "(" and the last ")"; see the .cpp for the
// cases where one of them is missing.
QString ruleArgumentText(const QString &s);
// ruleArgumentText(s) read as a base-10 signed 32-bit integer; 0 when it is not one.
int ruleArgumentNumber(const QString &s);

// The same two parts as views into s, for callers that only compare them.
QStringView ruleFunctionNameView(QStringView s);
QStringView ruleArgumentView(QStringView s);
