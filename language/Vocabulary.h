#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringView>
#include <initializer_list>

// The words of one choice in rule, condition and merge strings, each kind
// spelled once: its stored name, the words of the editors' boxes and how it
// reads with its argument (%1). The texts are marked with QT_TRANSLATE_NOOP
// in the context of RuleDescription, which words every rule.
template <typename Kind> class Vocabulary
{
public:
    struct Word
    {
        Kind kind;
        const char *name;
        const char *label;
        const char *description;
    };

    Vocabulary(std::initializer_list<Word> words)
    {
        for (const Word &word : words)
            words_.append({word, QLatin1String(word.name)});
    }

    // In the order the editors offer them.
    QList<Kind> kinds() const
    {
        QList<Kind> kinds;
        for (const Entry &entry : words_)
            kinds.append(entry.word.kind);
        return kinds;
    }
    Kind kindOf(QStringView name, Kind otherwise) const
    {
        for (const Entry &entry : words_) {
            if (name == entry.name)
                return entry.word.kind;
        }
        return otherwise;
    }
    // These are empty for a kind without a word.
    QString name(Kind kind) const
    {
        const Word *word = find(kind);
        return word ? QString::fromLatin1(word->name) : QString();
    }
    QString label(Kind kind) const
    {
        const Word *word = find(kind);
        return word ? translated(word->label) : QString();
    }
    QString description(Kind kind, const QString &argument) const
    {
        const Word *word = find(kind);
        return word && word->description ? translated(word->description).arg(argument) : QString();
    }

private:
    static QString translated(const char *text)
    {
        return QCoreApplication::translate("RuleDescription", text);
    }
    const Word *find(Kind kind) const
    {
        for (const Entry &entry : words_) {
            if (entry.word.kind == kind)
                return &entry.word;
        }
        return nullptr;
    }

    // The name's length counted once: conditions and find rules are parsed
    // again for every value where they are not compiled.
    struct Entry
    {
        Word word;
        QLatin1String name;
    };
    QList<Entry> words_;
};
