#include "settings/StatementField.h"
#include "statement/PageLines.h"
#include "statement/StatementFont.h"
#include "statement/StatementMarkup.h"
#include "statement/StatementWriter.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {

// The body of an A4 page at 96 dots per inch, below the fold line.
constexpr qreal Width = 774;
constexpr qreal Height = 667;

StatementRecord order(const QString &product, int lines)
{
    StatementRecord record;
    record.orderNumber = "ORD-1";
    record.orderDate = "2024-05-01";
    for (int k = 0; k < lines; ++k) {
        record.productName.append(product.isEmpty() ? product : product + QString::number(k));
        record.productNumber.append(product.isEmpty() ? QString() : QString("P-%1").arg(k));
        record.option.append(QString());
        record.quantity.append(1 + k % 3);
        record.unitPrice.append(1200);
        record.subtotal.append(0);
    }
    record.sum = 99999;
    return record;
}

// Every field printed, the totals after the lines too; with only the name
// of each product, rows with nothing in them are as low as rows get.
StatementList printedList(bool nameOnly)
{
    using namespace StatementFields;
    StatementList list;
    for (int c = 0; c < Count; ++c)
        list.setPrinted(c, !nameOnly || c < ProductNumber || c > Subtotal);
    return list;
}

std::unique_ptr<QTextDocument> document(const StatementMarkup &markup, const QFont &font,
                                        const StatementRecord &record, int lines)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    document->setDefaultStyleSheet(markup.styleSheet());
    document->setHtml(markup.body(record, lines));
    document->setTextWidth(Width);
    return document;
}

// The body as the page shows it: clipped to its height.
QImage drawn(QTextDocument &document)
{
    QImage image(int(Width), int(Height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter, QRectF(0, 0, Width, Height));
    return image;
}

} // namespace

class TestPageLines : public QObject
{
    Q_OBJECT
private slots:
    void drawsAsTheWholeOrder_data();
    void drawsAsTheWholeOrder();
};

void TestPageLines::drawsAsTheWholeOrder_data()
{
    QTest::addColumn<QString>("product"); // each line's name, numbered
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("nameOnly");   // of the product fields
    QTest::addColumn<qreal>("rowHeight"); // of the first try; 0: the font's
    QTest::addColumn<bool>("cut");

    QTest::newRow("rows of one line") << "有機緑茶 100g " << 400 << false << 0.0 << true;
    QTest::newRow("rows of several lines")
        << QString("静岡県産 深蒸し煎茶 ").repeated(14) << 400 << false << 0.0 << true;
    // The lowest rows there are: as many as a record keeps overflow the page.
    QTest::newRow("empty rows") << QString() << StatementWriter::lineLimit() << true << 0.0 << true;
    QTest::newRow("first try far too short") << "有機緑茶 " << 400 << false << 300.0 << true;
    QTest::newRow("fewer lines than fill the page") << "有機緑茶 " << 5 << false << 0.0 << false;
}

// The lines built are all that show: the body draws as with every line.
void TestPageLines::drawsAsTheWholeOrder()
{
    QFETCH(QString, product);
    QFETCH(int, lines);
    QFETCH(bool, nameOnly);
    QFETCH(qreal, rowHeight);
    QFETCH(bool, cut);
    const QFont font = statementFont(QString());
    const StatementMarkup markup(printedList(nameOnly), font.family());
    const StatementRecord record = order(product, lines);
    const PageLines pageLines(markup, rowHeight > 0 ? rowHeight : PageLines::rowHeight(font),
                              Height);

    int built = pageLines.first(record);
    std::unique_ptr<QTextDocument> page = document(markup, font, record, built);
    for (int more; (more = pageLines.more(record, built, *page)) > 0;) {
        QVERIFY(more > built);
        built = more;
        page = document(markup, font, record, built);
    }
    QCOMPARE(built < lines, cut);
    const std::unique_ptr<QTextDocument> whole = document(markup, font, record, lines);
    QVERIFY(drawn(*page) == drawn(*whole));
}

QTEST_MAIN(TestPageLines)
#include "tst_pagelines.moc"
