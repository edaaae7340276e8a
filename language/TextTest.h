#pragma once

#include <QString>
#include <QStringList>
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

    // The stored names of the tests, in the order of Kind (and of the
    // editors' comparison boxes).
    static const QStringList &names();

    TextTest() = default;
    explicit TextTest(const QString &condition);

    bool matches(QStringView value) const;
    Kind kind() const { return kind_; }
    const QString &text() const { return text_; }

private:
    Kind kind_ = Kind::Unknown;
    QString text_;
};
