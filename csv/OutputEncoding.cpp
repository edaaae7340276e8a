#include "OutputEncoding.h"

const QVector<OutputEncoding::Kind> &OutputEncoding::kinds()
{
    static const QVector<Kind> all{System, Utf8, Utf8Bom, ShiftJis};
    return all;
}

QString OutputEncoding::storedName(Kind kind)
{
    // In the order of Kind.
    static const char *const names[] = {"", "UTF-8", "UTF-8-BOM", "Shift_JIS"};
    return QString::fromLatin1(names[kind]);
}

QString OutputEncoding::commandLineName(Kind kind)
{
    return kind == System ? QStringLiteral("system") : storedName(kind);
}

bool OutputEncoding::fromName(const QString &name, Kind *kind)
{
    for (const Kind candidate : kinds()) {
        if (name.compare(storedName(candidate), Qt::CaseInsensitive) == 0 ||
            name.compare(commandLineName(candidate), Qt::CaseInsensitive) == 0) {
            *kind = candidate;
            return true;
        }
    }
    return false;
}
