#include "language/RuleKeyword.h"

#include <QCoreApplication>

namespace {

using Operation = RuleKeyword::Operation;
using Argument = RuleKeyword::Argument;

struct Entry
{
    Operation operation;
    const char *name;
    // The fixed argument that picks the operation, or none.
    const char *keyword;
    Argument argument;
    const char *description;
};

const Entry entries[] = {
    {Operation::Left, "left", nullptr, Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Keep the first %1 characters")},
    {Operation::Right, "right", nullptr, Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Keep the last %1 characters")},
    {Operation::CutLeft, "cutLeft", nullptr, Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete the first %1 characters")},
    {Operation::CutRight, "cutRight", nullptr, Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete the last %1 characters")},
    {Operation::BreakLine, "breakLine", nullptr, Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Break the line every %1 characters")},
    {Operation::Prepend, "prepend", nullptr, Argument::Text,
     QT_TRANSLATE_NOOP("RuleDescription", "Insert “%1” at the start")},
    {Operation::Append, "append", nullptr, Argument::Text,
     QT_TRANSLATE_NOOP("RuleDescription", "Insert “%1” at the end")},
    {Operation::Find, "find", nullptr, Argument::Find, nullptr},
    {Operation::Trim, "trim", nullptr, Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete blanks at the start and end")},
    {Operation::Simplified, "simplified", nullptr, Argument::None,
     QT_TRANSLATE_NOOP(
         "RuleDescription",
         "Delete blanks at the start and end, and make each run of blanks one space")},
    {Operation::NewLineToLf, "newLine", "LF", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Make every new line LF")},
    {Operation::NewLineToCrLf, "newLine", "CRLF", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Make every new line CRLF")},
    {Operation::NewLineRemove, "newLine", "REMOVE", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete new lines, making one line")},
    {Operation::LowerCase, "charType", "lowerCase", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to lower case")},
    {Operation::UpperCase, "charType", "upperCase", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to upper case")},
    {Operation::FullWidth, "charType", "fullWidth", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to full width")},
    {Operation::HalfWidth, "charType", "halfWidth", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to half width")},
    {Operation::Hiragana, "charType", "hirakana", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to hiragana")},
    {Operation::Katakana, "charType", "katakana", Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to katakana")},
};

const Entry *entryOf(Operation operation)
{
    for (const Entry &entry : entries) {
        if (entry.operation == operation)
            return &entry;
    }
    return nullptr;
}

} // namespace

RuleKeyword::Operation RuleKeyword::operationOf(QStringView name, QStringView argument)
{
    for (const Entry &entry : entries) {
        if (name == QLatin1String(entry.name) &&
            (!entry.keyword || argument == QLatin1String(entry.keyword)))
            return entry.operation;
    }
    return Operation::Unchanged;
}

RuleKeyword::Argument RuleKeyword::argumentOf(Operation operation)
{
    const Entry *entry = entryOf(operation);
    return entry ? entry->argument : Argument::None;
}

QString RuleKeyword::rule(Operation operation, const QString &argument)
{
    const Entry *entry = entryOf(operation);
    if (!entry)
        return QString();
    const QString name = QLatin1String(entry->name);
    if (entry->keyword)
        return name + QLatin1Char('(') + QLatin1String(entry->keyword) + QLatin1Char(')');
    if (entry->argument == Argument::None)
        return name;
    return name + QLatin1Char('(') + argument + QLatin1Char(')');
}

QString RuleKeyword::description(Operation operation)
{
    const Entry *entry = entryOf(operation);
    if (!entry || !entry->description)
        return QString();
    return QCoreApplication::translate("RuleDescription", entry->description);
}
