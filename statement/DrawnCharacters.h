#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

// The characters painted into a statement, and for a code that a PDF text map
// names instead, the painted character that shares its glyph (see
// PdfTextMapRepair).
class DrawnCharacters
{
public:
    void add(const QString &text);
    bool contains(ushort code) const { return codes_.contains(code); }

    // Maps a code to the painted character it stands for in one of fonts;
    // codes that were painted, or have no painted twin, map to themselves,
    // except Kangxi radicals (to their ideograph) and the tab (to a space).
    std::function<ushort(ushort)> resolver(const QList<QFont> &fonts) const;

private:
    QSet<ushort> codes_;
};
