#include "language/RuleKeyword.h"

#include <QCoreApplication>

#include <iterator>

namespace {

using Operation = RuleKeyword::Operation;
using Argument = RuleKeyword::Argument;

// The names are QLatin1String so that their lengths are counted once: rules
// are parsed again for every value where they are not compiled.
struct Entry
{
    QLatin1String name;
    // The fixed argument that picks the operation, or none.
    QLatin1String keyword;
    Argument argument;
    const char *description;
};

// One row per Operation, in its order; Unchanged has no name.
const Entry entries[] = {
    {QLatin1String(), QLatin1String(), Argument::None, nullptr},
    {QLatin1String("left"), QLatin1String(), Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Keep the first %1 characters")},
    {QLatin1String("right"), QLatin1String(), Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Keep the last %1 characters")},
    {QLatin1String("cutLeft"), QLatin1String(), Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete the first %1 characters")},
    {QLatin1String("cutRight"), QLatin1String(), Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete the last %1 characters")},
    {QLatin1String("breakLine"), QLatin1String(), Argument::Count,
     QT_TRANSLATE_NOOP("RuleDescription", "Break the line every %1 characters")},
    {QLatin1String("newLine"), QLatin1String("LF"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Make every new line LF")},
    {QLatin1String("newLine"), QLatin1String("CRLF"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Make every new line CRLF")},
    {QLatin1String("newLine"), QLatin1String("REMOVE"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete new lines, making one line")},
    {QLatin1String("prepend"), QLatin1String(), Argument::Text,
     QT_TRANSLATE_NOOP("RuleDescription", "Insert “%1” at the start")},
    {QLatin1String("append"), QLatin1String(), Argument::Text,
     QT_TRANSLATE_NOOP("RuleDescription", "Insert “%1” at the end")},
    {QLatin1String("find"), QLatin1String(), Argument::Find, nullptr},
    {QLatin1String("charType"), QLatin1String("lowerCase"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to lower case")},
    {QLatin1String("charType"), QLatin1String("upperCase"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to upper case")},
    {QLatin1String("charType"), QLatin1String("fullWidth"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to full width")},
    {QLatin1String("charType"), QLatin1String("halfWidth"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to half width")},
    {QLatin1String("charType"), QLatin1String("hirakana"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to hiragana")},
    {QLatin1String("charType"), QLatin1String("katakana"), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Convert to katakana")},
    {QLatin1String("trim"), QLatin1String(), Argument::None,
     QT_TRANSLATE_NOOP("RuleDescription", "Delete blanks at the start and end")},
    {QLatin1String("simplified"), QLatin1String(), Argument::None,
     QT_TRANSLATE_NOOP(
         "RuleDescription",
         "Delete blanks at the start and end, and make each run of blanks one space")},
};

static_assert(std::size(entries) == std::size_t(Operation::Simplified) + 1,
              "one row per operation");

const Entry &entryOf(Operation operation)
{
    return entries[int(operation)];
}

} // namespace

RuleKeyword::Operation RuleKeyword::operationOf(QStringView name, QStringView argument)
{
    for (int i = 1; i < int(std::size(entries)); ++i) {
        const Entry &entry = entries[i];
        if (name == entry.name && (entry.keyword.isNull() || argument == entry.keyword))
            return Operation(i);
    }
    return Operation::Unchanged;
}

RuleKeyword::Argument RuleKeyword::argumentOf(Operation operation)
{
    return entryOf(operation).argument;
}

QString RuleKeyword::rule(Operation operation, const QString &argument)
{
    const Entry &entry = entryOf(operation);
    if (!entry.keyword.isNull())
        return entry.name + QLatin1Char('(') + entry.keyword + QLatin1Char(')');
    if (entry.argument == Argument::None)
        return entry.name;
    return entry.name + QLatin1Char('(') + argument + QLatin1Char(')');
}

QString RuleKeyword::description(Operation operation)
{
    const char *description = entryOf(operation).description;
    return description ? QCoreApplication::translate("RuleDescription", description) : QString();
}
