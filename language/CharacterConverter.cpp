#include "language/CharacterConverter.h"

#include "language/CharacterTables.h"

#include <algorithm>

namespace {

constexpr char16_t firstHalfKanaLetter = 0xFF66; // ｦ
constexpr char16_t lastHalfKanaLetter = 0xFF9D;  // ﾝ
constexpr char16_t voicedSoundMark = 0xFF9E;     // ﾞ
constexpr char16_t semiVoicedSoundMark = 0xFF9F; // ﾟ
constexpr int halfKanaLetterCount = lastHalfKanaLetter - firstHalfKanaLetter + 1;

bool isHalfKanaLetter(char16_t c)
{
    return c >= firstHalfKanaLetter && c <= lastHalfKanaLetter;
}

bool isVoicingMark(char16_t c)
{
    return c == voicedSoundMark || c == semiVoicedSoundMark;
}

bool isAsciiSymbol(char16_t c)
{
    return (c >= 0x20 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

bool isHalfWidthPunctuation(char16_t c)
{
    return c >= 0xFF61 && c <= 0xFF65;
}

int pairIndex(char16_t letter, char16_t mark)
{
    return (letter - firstHalfKanaLetter) * 2 + (mark - voicedSoundMark);
}

const VoicedKanaRow *findVoicedRow(char16_t letter, char16_t mark)
{
    const auto row =
        std::find_if(VoicedKanaTable.begin(), VoicedKanaTable.end(), [&](const VoicedKanaRow &r) {
            return r.halfWidth == letter && r.voicingMark == mark;
        });
    return row == VoicedKanaTable.end() ? nullptr : &*row;
}

} // namespace

const CharacterConverter &CharacterConverter::fullWidth()
{
    static const CharacterConverter converter(Kind::FullWidth);
    return converter;
}

const CharacterConverter &CharacterConverter::halfWidth()
{
    static const CharacterConverter converter(Kind::HalfWidth);
    return converter;
}

const CharacterConverter &CharacterConverter::hiragana()
{
    static const CharacterConverter converter(Kind::Hiragana);
    return converter;
}

const CharacterConverter &CharacterConverter::katakana()
{
    static const CharacterConverter converter(Kind::Katakana);
    return converter;
}

CharacterConverter::CharacterConverter(Kind kind)
{
    pageIndex_.fill(-1);
    switch (kind) {
    case Kind::FullWidth:
        buildFullWidth();
        break;
    case Kind::HalfWidth:
        buildHalfWidth();
        break;
    case Kind::Hiragana:
        buildHiragana();
        break;
    case Kind::Katakana:
        buildKatakana();
        break;
    }
}

void CharacterConverter::buildFullWidth()
{
    for (const WidthRow &row : DigitTable)
        setIfUnset(row.halfWidth, row.fullWidth);
    for (const WidthRow &row : LetterTable)
        setIfUnset(row.halfWidth, row.fullWidth);
    for (const WidthRow &row : SymbolTable) {
        if (isAsciiSymbol(row.halfWidth) || isHalfWidthPunctuation(row.halfWidth))
            setIfUnset(row.halfWidth, row.fullWidth);
    }
    for (const KanaRow &row : KanaTable)
        setIfUnset(row.halfWidth, row.katakana);
    // A letter and a mark that form no voiced row stay as they are: the letter
    // is then not looked up on its own.
    pairs_.assign(halfKanaLetterCount * 2, PairStep());
    for (char16_t letter = firstHalfKanaLetter; letter <= lastHalfKanaLetter; ++letter) {
        for (char16_t mark : {voicedSoundMark, semiVoicedSoundMark}) {
            if (const VoicedKanaRow *row = findVoicedRow(letter, mark))
                pairs_[pairIndex(letter, mark)] = PairStep{row->katakana, 2};
        }
    }
}

void CharacterConverter::buildHalfWidth()
{
    for (const WidthRow &row : DigitTable)
        setIfUnset(row.fullWidth, row.halfWidth);
    for (const WidthRow &row : LetterTable)
        setIfUnset(row.fullWidth, row.halfWidth);
    for (const WidthRow &row : SymbolTable)
        setIfUnset(row.fullWidth, row.halfWidth);
    for (const KanaRow &row : KanaTable)
        setIfUnset(row.katakana, row.halfWidth);
    for (const VoicedKanaRow &row : VoicedKanaTable)
        setIfUnset(row.katakana, row.halfWidth, row.voicingMark);
    grows_ = true;
}

void CharacterConverter::buildHiragana()
{
    for (const KanaRow &row : KanaTable)
        setIfUnset(row.katakana, row.hiragana);
    for (const VoicedKanaRow &row : VoicedKanaTable)
        setIfUnset(row.katakana, row.hiragana);
    for (const KanaRow &row : KanaTable)
        setIfUnset(row.halfWidth, row.hiragana);
    // A letter and a mark that form no voiced row: the letter alone is
    // converted, the mark stays.
    pairs_.assign(halfKanaLetterCount * 2, PairStep());
    for (char16_t letter = firstHalfKanaLetter; letter <= lastHalfKanaLetter; ++letter) {
        for (char16_t mark : {voicedSoundMark, semiVoicedSoundMark}) {
            const VoicedKanaRow *row = findVoicedRow(letter, mark);
            pairs_[pairIndex(letter, mark)] =
                row ? PairStep{row->hiragana, 2} : PairStep{char16_t(lookup(letter)), 1};
        }
    }
}

void CharacterConverter::buildKatakana()
{
    for (const KanaRow &row : KanaTable)
        setIfUnset(row.hiragana, row.katakana);
    // The first voiced row has no hiragana of its own.
    for (auto row = VoicedKanaTable.begin() + 1; row != VoicedKanaTable.end(); ++row)
        setIfUnset(row->hiragana, row->katakana);
}

void CharacterConverter::setIfUnset(char16_t from, char16_t first, char16_t second)
{
    if (lookup(from) != 0)
        return;
    qint8 &page = pageIndex_[from >> 8];
    if (page < 0) {
        page = qint8(pages_.size());
        pages_.push_back(Page{});
    }
    pages_[size_t(page)][from & 0xFF] = quint32(first) | (quint32(second) << 16);
}

Q_ALWAYS_INLINE quint32 CharacterConverter::lookup(char16_t c) const
{
    const qint8 page = pageIndex_[c >> 8];
    return page < 0 ? 0 : pages_[size_t(page)][c & 0xFF];
}

Q_ALWAYS_INLINE CharacterConverter::Step CharacterConverter::stepAt(const QChar *text, int i,
                                                                    int size) const
{
    const char16_t c = text[i].unicode();
    if (!pairs_.empty() && isHalfKanaLetter(c) && i + 1 < size &&
        isVoicingMark(text[i + 1].unicode())) {
        const PairStep &pair = pairs_[size_t(pairIndex(c, text[i + 1].unicode()))];
        return Step{pair.output, pair.consumed};
    }
    return Step{lookup(c), 1};
}

Q_ALWAYS_INLINE bool CharacterConverter::changes(const Step &step, QChar c)
{
    return step.consumed > 1 || (step.output != 0 && step.output != c.unicode());
}

void CharacterConverter::convert(QString &text) const
{
    const int size = text.size();
    const QChar *in = text.constData();
    int i = 0;
    while (i < size) {
        const Step step = stepAt(in, i, size);
        if (changes(step, in[i]))
            break;
        i += step.consumed;
    }
    if (i == size)
        return;

    if (!grows_) {
        // Every step writes one unit for one or two read, so the text can be
        // rewritten where it is.
        QChar *out = text.data();
        int written = i;
        while (i < size) {
            const Step step = stepAt(out, i, size);
            out[written++] = step.output ? QChar(char16_t(step.output)) : out[i];
            i += step.consumed;
        }
        text.truncate(written);
        return;
    }

    int length = i;
    for (int j = i; j < size; ++j)
        length += (lookup(in[j].unicode()) >> 16) ? 2 : 1;
    QString result(length, Qt::Uninitialized);
    QChar *out = result.data();
    std::copy(in, in + i, out);
    int written = i;
    for (; i < size; ++i) {
        const quint32 output = lookup(in[i].unicode());
        if (!output) {
            out[written++] = in[i];
            continue;
        }
        out[written++] = QChar(char16_t(output));
        if (output >> 16)
            out[written++] = QChar(char16_t(output >> 16));
    }
    text = std::move(result);
}
