#include "statement/DrawnCharacters.h"

#include <QRawFont>
#include <QVector>

namespace {

ushort fallbackCharacter(ushort code)
{
    if (code == 0x0009)
        return 0x0020;
    const bool radical = (code >= 0x2E80 && code <= 0x2EF3) || (code >= 0x2F00 && code <= 0x2FD5);
    if (!radical)
        return code;
    const QString unified = QString(QChar(code)).normalized(QString::NormalizationForm_KC);
    return unified.size() == 1 ? unified.at(0).unicode() : code;
}

} // namespace

void DrawnCharacters::add(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSurrogate())
            codes_.insert(c.unicode());
    }
}

std::function<ushort(ushort)> DrawnCharacters::resolver(const QList<QFont> &fonts) const
{
    // Per font: glyph index -> the painted character drawn with it.
    QList<QRawFont> rawFonts;
    QList<QHash<quint32, ushort>> painted;
    QString all;
    all.reserve(codes_.size());
    for (const ushort code : codes_)
        all.append(QChar(code));
    for (const QFont &font : fonts) {
        const QRawFont raw = QRawFont::fromFont(font);
        if (!raw.isValid())
            continue;
        const QVector<quint32> glyphs = raw.glyphIndexesForString(all);
        QHash<quint32, ushort> byGlyph;
        for (int k = 0; k < glyphs.size() && k < all.size(); ++k) {
            if (glyphs.at(k) != 0 && !byGlyph.contains(glyphs.at(k)))
                byGlyph.insert(glyphs.at(k), all.at(k).unicode());
        }
        rawFonts.append(raw);
        painted.append(byGlyph);
    }
    const QSet<ushort> codes = codes_;
    return [codes, rawFonts, painted](ushort code) -> ushort {
        if (codes.contains(code))
            return code;
        for (int f = 0; f < rawFonts.size(); ++f) {
            const QVector<quint32> glyph =
                rawFonts.at(f).glyphIndexesForString(QString(QChar(code)));
            if (glyph.size() != 1 || glyph.at(0) == 0)
                continue;
            const auto twin = painted.at(f).constFind(glyph.at(0));
            if (twin != painted.at(f).cend())
                return twin.value();
        }
        return fallbackCharacter(code);
    };
}
