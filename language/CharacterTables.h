#pragma once

#include <array>

// The constant tables behind the width and kana conversions. Every character
// is in the Basic Multilingual Plane. Where a lookup takes the first row whose
// column equals a character, the row order below decides.

// A half-width character and its full-width form.
struct WidthRow
{
    char16_t halfWidth;
    char16_t fullWidth;
};

// A half-width katakana letter and its hiragana and full-width katakana.
struct KanaRow
{
    char16_t halfWidth;
    char16_t hiragana;
    char16_t katakana;
};

// A half-width katakana letter followed by a voicing mark, and the one voiced
// hiragana and full-width katakana character they stand for.
struct VoicedKanaRow
{
    char16_t halfWidth;
    char16_t voicingMark;
    char16_t hiragana;
    char16_t katakana;
};

extern const std::array<WidthRow, 10> DigitTable;
extern const std::array<WidthRow, 52> LetterTable;
extern const std::array<KanaRow, 55> KanaTable;
extern const std::array<VoicedKanaRow, 26> VoicedKanaTable;
// Rows 0 to 8 have a half-width side outside the ASCII symbols and the
// half-width punctuation, so they serve only the full-width to half-width way.
extern const std::array<WidthRow, 42> SymbolTable;
