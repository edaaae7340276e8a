#pragma once

#include <QtGlobal>

// The data of code page 932, made by scripts/generate-cp932-table; Cp932
// builds its readers and writer from it.
namespace Cp932Table {

// Single bytes: the character, LeadByte for the first byte of a pair, or
// NotText.
constexpr char16_t LeadByte = 0xFFFF;
constexpr char16_t NotText = 0xFFFD;
extern const char16_t singleBytes[256];

// Pairs: lead bytes 0x81-0x9F and 0xE0-0xFC, in that order, each with the
// trail bytes 0x40-0xFC; NotText where a pair is no character.
constexpr int LeadCount = 60;
constexpr int TrailCount = 0xFC - 0x40 + 1;
extern const char16_t pairs[LeadCount * TrailCount];

// Codes that read as a character Windows writes with another code.
constexpr int UnwrittenCount = 398;
extern const quint16 unwrittenCodes[UnwrittenCount];

// Characters written as the code of a look-alike.
struct Alias
{
    char16_t character;
    quint16 code;
};
constexpr int AliasCount = 7;
extern const Alias aliases[AliasCount];

} // namespace Cp932Table
