#pragma once

#include "language/Vocabulary.h"

#include <QComboBox>

// Combo boxes that offer the words of a vocabulary: each item shows a kind's
// label and holds its stored name, so no code depends on the items' order.
namespace WordBox {

template <typename Kind> void addWords(QComboBox *box, const Vocabulary<Kind> &words)
{
    for (const Kind kind : words.kinds())
        box->addItem(words.label(kind), words.name(kind));
}

template <typename Kind>
Kind kindAt(const QComboBox *box, int index, const Vocabulary<Kind> &words, Kind otherwise)
{
    return words.kindOf(box->itemData(index).toString(), otherwise);
}

template <typename Kind>
Kind currentKind(const QComboBox *box, const Vocabulary<Kind> &words, Kind otherwise)
{
    return kindAt(box, box->currentIndex(), words, otherwise);
}

// Selects the item of the stored name; false, changing nothing, when none holds it.
inline bool select(QComboBox *box, const QString &name)
{
    const int index = box->findData(name);
    if (index < 0)
        return false;
    box->setCurrentIndex(index);
    return true;
}

} // namespace WordBox
