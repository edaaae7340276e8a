#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Mends the character maps that let a PDF viewer copy and search text. The
// PDF writer maps every glyph to the lowest code point that shares it, which
// for CJK fonts is often a stand-in: a Kangxi radical (U+2F0A for 入), U+2027
// for the katakana middle dot, a tab for the space. Each entry is rewritten to
// what intended() gives for it. The edits keep every byte count, so the file's
// offsets stay valid.
class PdfTextMapRepair
{
public:
    using Resolver = std::function<ushort(ushort)>;

    // Rewrites the maps inside pdf; returns how many entries were changed.
    static int repair(QByteArray &pdf, const Resolver &intended);
    // The same on a file; false when it cannot be read or written back.
    static bool repairFile(const QString &path, const Resolver &intended);
};
