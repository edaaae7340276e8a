#pragma once

#include <QString>
#include <QStringList>

// The strings of the rows lie scattered over the heap. Asking for the ones a
// loop reads a few rows before it gets there lets their loads overlap instead
// of waiting for each in turn. Only a hint: nothing is read or changed.
namespace StringPrefetch {

inline void value(const QString &text)
{
#if defined(__GNUC__) || defined(__clang__)
    // The string's one member is the pointer to its data; taking it does not detach.
    __builtin_prefetch(const_cast<QString &>(text).data_ptr());
#else
    Q_UNUSED(text);
#endif
}

inline void row(const QStringList &values)
{
    for (const QString &text : values)
        value(text);
}

} // namespace StringPrefetch
