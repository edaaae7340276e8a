#pragma once

#include <QString>
#include <QStringList>

// Applies one rule string to a value. Never fails: an unknown rule leaves the
// value unchanged. Parses the rule on every call; see CompiledRuleList for the
// parsed-once form used per row.
QString applyRule(const QString &rule, const QString &value);
// Applies the rules front to back, each to the result of the previous one.
QString applyRules(const QStringList &rules, QString value);
