#include "OutputEncoding.h"

const QVector<OutputEncoding::Kind> &OutputEncoding::kinds()
{
    static const QVector<Kind> all{System, Utf8, Utf8Bom, ShiftJis};
    return all;
}

QString OutputEncoding::storedName(Kind kind)
{
    switch (kind) {
    case System:
        break;
    case Utf8:
        return QStringLiteral("UTF-8");
    case Utf8Bom:
        return QStringLiteral("UTF-8-BOM");
    case ShiftJis:
        return QStringLiteral("Shift_JIS");
    }
    return QString();
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
