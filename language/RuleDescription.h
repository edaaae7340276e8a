#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// How rule, condition and merge strings read in the user's language. The
// stored strings stay as they are everywhere; these texts are only shown (cells,
// tool tips, the manual's tables), so each meaning is worded in one place.
class RuleDescription
{
    Q_DECLARE_TR_FUNCTIONS(RuleDescription)

public:
    // "left(10)" reads "Keep the first 10 characters".
    static QString rule(const QString &rule);
    // One line per rule; the after-merge rules follow, marked as such.
    static QString rules(const QStringList &rules, const QStringList &afterRules = {});
    // The test of one condition on the value named tested, e.g. "Payment
    // equals “COD”"; an empty or unknown test reads as never true.
    static QString condition(const QString &tested, const QString &condition);
    // One line per condition; the lines after the first start with the word
    // of the combination ("and", "or").
    static QString conditions(const QStringList &tested, const QStringList &conditions,
                              const QString &combination);
    // Empty for no merge.
    static QString merge(const QString &type, const QString &separator);

    // Stored strings that between them use every rule name, keyword, text test
    // and bound, with the rule and condition descriptions the manual explains.
    static QStringList ruleExamples();
    static QStringList conditionExamples();

private:
    static QString find(const QString &argument);
    static QString bound(const QString &bound, bool lower);
};
