#pragma once

#include "language/Vocabulary.h"

#include <QString>
#include <QStringView>

// A text condition such as "startsWith(090)", parsed once: the name picks the
// test, the text runs from the first "(" to the last ")". Comparisons are
// exact and case-sensitive; an unknown name never matches.
class TextTest
{
public:
    enum class Kind
    {
        EqualTo,
        NotEqualTo,
        Contains,
        NotContains,
        StartsWith,
        NotStartsWith,
        EndsWith,
        NotEndsWith,
        Unknown
    };

    // The tests in the order the editors offer them; the labels follow the
    // search text, the descriptions read with it.
    static const Vocabulary<Kind> &words();

    TextTest() = default;
    explicit TextTest(const QString &condition);

    bool matches(QStringView value) const;
    Kind kind() const { return kind_; }
    const QString &text() const { return text_; }

private:
    Kind kind_ = Kind::Unknown;
    QString text_;
};
