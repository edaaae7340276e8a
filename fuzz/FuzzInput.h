#pragma once

#include <QStringList>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as strings separated by U+001F. A first byte 0 means
// the rest is raw UTF-16 (little-endian), which reaches lone surrogates and
// every other unit; otherwise the bytes are UTF-8, so seeds stay readable.
QStringList fuzzFields(const std::uint8_t *data, std::size_t size);

// Stops the run with a report when a check fails; libFuzzer keeps the input.
void require(bool condition, const char *what, const QStringList &fields);

// Whether every surrogate in text belongs to a pair.
bool isWellFormed(const QString &text);
