#include "statement/PageLines.h"

#include "statement/StatementMarkup.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

// The table-th table of the document, counted in order; null past the last.
const QTextTable *tableAt(const QTextDocument &document, int table)
{
    int seen = 0;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        const auto *found = qobject_cast<const QTextTable *>(frame);
        if (found && seen++ == table)
            return found;
    }
    return nullptr;
}

} // namespace

PageLines::PageLines(const StatementMarkup &markup, qreal rowHeight, qreal bodyHeight)
    : productTable_(markup.productTableIndex()), bodyHeight_(bodyHeight),
      firstLines_(int(bodyHeight / qMax<qreal>(1, rowHeight)) + 1)
{}

qreal PageLines::rowHeight(const QFont &font)
{
    // The markup's cells hold text of 10 pixels. A guess only: more() has
    // the last word.
    QFont cellFont = font;
    cellFont.setPixelSize(10);
    const QFontMetricsF metrics(cellFont);
    return metrics.ascent() + metrics.descent() + StatementMarkup::MinimumRowHeight;
}

int PageLines::first(const StatementRecord &record) const
{
    return qMin(firstLines_, int(record.productName.size()));
}

int PageLines::more(const StatementRecord &record, int lines, const QTextDocument &document) const
{
    const int all = int(record.productName.size());
    if (lines >= all || productTable_ < 0)
        return 0;
    const QTextTable *table = tableAt(document, productTable_);
    if (!table || table->rows() < 2)
        return 0;
    // The next row would begin below the text of the last one: once that
    // is past the bottom, so is every row after it.
    const QTextBlock last = document.findBlock(table->cellAt(table->rows() - 1, 0).lastPosition());
    if (document.documentLayout()->blockBoundingRect(last).bottom() > bodyHeight_)
        return 0;
    return qMin(all, 2 * lines);
}
