#include "statement/StatementMarkup.h"

#include "settings/Messages.h"
#include "settings/StatementField.h"

namespace {

const QString tableOpen = QStringLiteral("<table border='0' cellspacing='1' width='100%'>");
const QString rightTableOpen =
    QStringLiteral("<table class='right' border='0' cellspacing='1' width='40%' align='right'>");

template <typename T> T entryOr(const QList<T> &list, int k, const T &fallback)
{
    return k < list.size() ? list.at(k) : fallback;
}

} // namespace

StatementMarkup::StatementMarkup(const StatementList &statements, const QString &fontFamily)
    : locale_(QLocale::Japanese, QLocale::Japan)
{
    for (int c = 0; c < StatementFields::Count; ++c)
        printed_[c] = statements.isPrinted(c);

    styleSheet_ = QStringLiteral("*{font-size:10px;font-family:'") + fontFamily +
                  QStringLiteral("';}") + QStringLiteral("ul{padding:0px;margin:5px;}") +
                  QStringLiteral("li{padding:0px;margin:0 0 5px 0;list-style:square;}") +
                  QStringLiteral("table{background-color:#000;margin-top:15px;}") +
                  QStringLiteral("table.right{margin-right:4px;}") +
                  QStringLiteral("th{background-color:#CCC; padding:2px;}") +
                  QStringLiteral("td{background-color:#FFF; padding:2px;}");

    orderDetail_ = Messages::tr("Order Detail");
    orderNumber_ = Messages::tr("Order Number");
    orderDate_ = Messages::tr("Order Date");
    product_ = Messages::tr("Product");
    quantity_ = Messages::tr("Quantity");
    unitPrice_ = Messages::tr("Unit Price");
    subtotal_ = Messages::tr("Subtotal");
    firstLabels_[0] = Messages::tr("Sum");
    firstLabels_[1] = Messages::tr("Tax");
    firstLabels_[2] = Messages::tr("Shipping Charge");
    firstLabels_[3] = Messages::tr("C.O.D Charge");
    secondLabels_[0] = Messages::tr("Total Sum");
    secondLabels_[1] = Messages::tr("Coupon");
    secondLabels_[2] = Messages::tr("Point");
    secondLabels_[3] = Messages::tr("Payment");
}

QString StatementMarkup::amount(qint64 value) const
{
    return locale_.toString(value) + QStringLiteral(" ") + QStringLiteral("円");
}

QString StatementMarkup::body(const StatementRecord &record, int lineCount) const
{
    using namespace StatementFields;
    QString html = orderBlock(record) + productTable(record, lineCount);
    const int first[4] = {Sum, Tax, ShippingCharge, CodCharge};
    const qint64 firstValues[4] = {record.sum, record.tax, record.shippingCharge, record.codCharge};
    html += totalsTable(first, firstLabels_, firstValues);
    const int second[4] = {TotalSum, Coupon, Point, Payment};
    const qint64 secondValues[4] = {record.totalSum, record.coupon, record.point, record.payment};
    html += totalsTable(second, secondLabels_, secondValues);
    return html;
}

int StatementMarkup::productTableIndex() const
{
    if (!hasProductTable())
        return -1;
    return hasOrderBlock() ? 1 : 0;
}

bool StatementMarkup::hasOrderBlock() const
{
    return printed_[StatementFields::OrderNumber] || printed_[StatementFields::OrderDate];
}

bool StatementMarkup::hasProductTable() const
{
    for (int c = StatementFields::ProductName; c <= StatementFields::Subtotal; ++c) {
        if (printed_[c])
            return true;
    }
    return false;
}

QString StatementMarkup::orderBlock(const StatementRecord &record) const
{
    using namespace StatementFields;
    if (!hasOrderBlock())
        return QString();
    QString html = tableOpen + QStringLiteral("<tr><th>") + orderDetail_ +
                   QStringLiteral("</th></tr></table> ") + QStringLiteral("<ul>");
    if (printed_[OrderNumber])
        html += QStringLiteral("<li> ") + orderNumber_ + QStringLiteral(" : ") +
                record.orderNumber.toHtmlEscaped() + QStringLiteral("</li>");
    if (printed_[OrderDate])
        html += QStringLiteral("<li> ") + orderDate_ + QStringLiteral(" : ") +
                record.orderDate.left(10).toHtmlEscaped() + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

QString StatementMarkup::productTable(const StatementRecord &record, int lineCount) const
{
    using namespace StatementFields;
    if (!hasProductTable())
        return QString();
    const bool productCell = printed_[ProductName] || printed_[ProductNumber] || printed_[Option];

    QString html = tableOpen + QStringLiteral("<tr>");
    if (productCell)
        html += QStringLiteral("<th>") + product_ + QStringLiteral("</th>");
    if (printed_[Quantity])
        html += QStringLiteral("<th width='10%'>") + quantity_ + QStringLiteral("</th>");
    if (printed_[UnitPrice])
        html += QStringLiteral("<th width='15%'>") + unitPrice_ + QStringLiteral("</th>");
    if (printed_[Subtotal])
        html += QStringLiteral("<th width='15%'>") + subtotal_ + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");

    const int lines = qMin(lineCount, int(record.productName.size()));
    for (int k = 0; k < lines; ++k) {
        html += QStringLiteral("<tr>");
        if (productCell) {
            // Only the parts with text are joined: no " / " dangles.
            QStringList parts;
            const auto addPart = [&parts](const QString &part) {
                if (!part.trimmed().isEmpty())
                    parts.append(part.toHtmlEscaped());
            };
            if (printed_[ProductNumber])
                addPart(entryOr(record.productNumber, k, QString()));
            if (printed_[ProductName])
                addPart(record.productName.at(k));
            if (printed_[Option])
                addPart(entryOr(record.option, k, QString()));
            html += QStringLiteral("<td>") + parts.join(QStringLiteral(" / ")) +
                    QStringLiteral("</td>");
        }
        if (printed_[Quantity])
            html += QStringLiteral("<td align='right'>") +
                    locale_.toString(entryOr<qint64>(record.quantity, k, 0)) +
                    QStringLiteral("</td>");
        if (printed_[UnitPrice])
            html += QStringLiteral("<td align='right'>") +
                    amount(entryOr<qint64>(record.unitPrice, k, 0)) + QStringLiteral("</td>");
        if (printed_[Subtotal])
            html += QStringLiteral("<td align='right'>") +
                    amount(entryOr<qint64>(record.subtotal, k, 0)) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString StatementMarkup::totalsTable(const int (&fields)[4], const QString (&labels)[4],
                                     const qint64 (&values)[4]) const
{
    QString rows;
    for (int n = 0; n < 4; ++n) {
        if (!printed_[fields[n]])
            continue;
        rows += QStringLiteral("<tr>") + QStringLiteral("<th width='50%'>") + labels[n] +
                QStringLiteral("</th>") + QStringLiteral("<td width='50%' align='right'>") +
                amount(values[n]) + QStringLiteral("</td>") + QStringLiteral("</tr>");
    }
    if (rows.isEmpty())
        return QString();
    return rightTableOpen + rows + QStringLiteral("</table>");
}
