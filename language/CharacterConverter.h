#pragma once

#include <QString>

#include <array>
#include <vector>

// One width or kana conversion. The constant tables are turned into direct
// lookups once, so that converting costs the same for every character, while
// the result stays exactly that of scanning the tables for the first matching
// row.
class CharacterConverter
{
public:
    static const CharacterConverter &fullWidth();
    static const CharacterConverter &halfWidth();
    static const CharacterConverter &hiragana();
    static const CharacterConverter &katakana();

    // Converts text in place; text is not touched (nor detached) when no
    // character changes.
    void convert(QString &text) const;

private:
    enum class Kind
    {
        FullWidth,
        HalfWidth,
        Hiragana,
        Katakana
    };

    // What one position turns into: output holds up to two UTF-16 units (the
    // second in the high half), 0 to keep the character; consumed is 1 or 2.
    struct Step
    {
        quint32 output;
        int consumed;
    };
    // A half-width letter followed by a voicing mark; output 0 keeps the letter.
    struct PairStep
    {
        char16_t output = 0;
        quint8 consumed = 1;
    };
    using Page = std::array<quint32, 256>;

    explicit CharacterConverter(Kind kind);
    void buildFullWidth();
    void buildHalfWidth();
    void buildHiragana();
    void buildKatakana();
    // Sets the replacement of `from` unless an earlier row already did: the
    // first matching row wins.
    void setIfUnset(char16_t from, char16_t first, char16_t second = 0);
    quint32 lookup(char16_t c) const;
    Step stepAt(const QChar *text, int i, int size) const;
    static bool changes(const Step &step, QChar c);

    std::array<qint8, 256> pageIndex_;
    std::vector<Page> pages_;
    std::vector<PairStep> pairs_; // empty when the conversion does not join pairs
    bool grows_ = false;
};
