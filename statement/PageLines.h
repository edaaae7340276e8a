#pragma once

#include <QtGlobal>

class QFont;
class QTextDocument;
class StatementMarkup;
struct StatementRecord;

// How many product lines of an order a page builds. The body is drawn
// clipped to its height and never runs onto a second page, so rows below the
// bottom are never seen: an order of many thousand lines needs only its first
// few built and laid out. The first try fills the height with rows of one
// line of text; when the laid-out rows end above the bottom (taller rows,
// other fonts), twice as many are built, and so on.
class PageLines
{
public:
    // rowHeight: the guess of the first try, as rowHeight(font) gives it.
    PageLines(const StatementMarkup &markup, qreal rowHeight, qreal bodyHeight);

    // A product row of one line of text in the statement font.
    static qreal rowHeight(const QFont &font);

    int first(const StatementRecord &record) const;
    // The lines to build instead when document, the body with the first
    // lines of record laid out, leaves room below for another row; 0 when it
    // does not, or when it holds every line.
    int more(const StatementRecord &record, int lines, const QTextDocument &document) const;

private:
    int productTable_;
    qreal bodyHeight_;
    int firstLines_;
};
