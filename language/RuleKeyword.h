#pragma once

#include <QString>
#include <QStringView>

// Every operation a rule string can name, spelled once: its stored name, the
// argument it takes and how it reads in words. Parsing, the rule editors and
// the descriptions all look the operations up here.
class RuleKeyword
{
public:
    enum class Operation
    {
        Unchanged,
        Left,
        Right,
        CutLeft,
        CutRight,
        BreakLine,
        NewLineToLf,
        NewLineToCrLf,
        NewLineRemove,
        Prepend,
        Append,
        Find,
        LowerCase,
        UpperCase,
        FullWidth,
        HalfWidth,
        Hiragana,
        Katakana,
        Trim,
        Simplified
    };

    // What goes between the parentheses: nothing of the user's (the keyword
    // of "newLine(LF)", or no parentheses as in "trim"), a number of
    // characters, a text, or the argument of a find rule.
    enum class Argument
    {
        None,
        Count,
        Text,
        Find
    };

    // "newLine" and "charType" pick their operation by the argument; unknown
    // names and keywords are Unchanged.
    static Operation operationOf(QStringView name, QStringView argument);
    static Argument argumentOf(Operation operation);
    // The stored rule, e.g. "left(10)", "newLine(LF)" or "trim"; argument
    // counts only for the operations that take one.
    static QString rule(Operation operation, const QString &argument = QString());
    // How the rule reads, translated, with %1 for a count or text, e.g. "Keep
    // the first %1 characters"; empty for Unchanged and Find.
    static QString description(Operation operation);
};
