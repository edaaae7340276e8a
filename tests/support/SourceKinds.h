#pragma once

#include "settings/SourceKind.h"

#include <QList>

#include <initializer_list>

// Source kinds as the settings file writes them: 0 company field, 1 input item.
inline QList<SourceKind> kinds(std::initializer_list<int> numbers)
{
    QList<SourceKind> list;
    for (const int number : numbers)
        list.append(SourceKind(number));
    return list;
}

inline SourceKind kind(int number)
{
    return SourceKind(number);
}
