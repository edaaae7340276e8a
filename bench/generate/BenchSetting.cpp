#include "BenchSetting.h"

#include "OrderExportGenerator.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"

namespace {

// Columns of the combined input header: the 17 order columns, then the order
// lines without their key.
enum Column
{
    OrderNumber,
    OrderDate,
    BuyerName,
    BuyerKana,
    PostCode,
    Address,
    Tel,
    Mail,
    Note,
    Payment,
    Goods,
    Shipping,
    Cod,
    Tax,
    Total,
    Points,
    Coupon,
    ProductName,
    ProductNumber,
    ProductOption,
    UnitPrice,
    Quantity
};

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

OutputItem item(const char *name, const QList<int> &columns, const QStringList &rules = {},
                const QString &separator = QString())
{
    OutputItem out;
    out.name = u(name);
    const QStringList heads =
        OrderExportGenerator::orderHeads() + OrderExportGenerator::lineHeads().mid(1);
    for (int column : columns) {
        out.mapSources.append(SourceKind::InputItem);
        out.mapNums.append(column);
        out.mappings.append(heads.value(column));
    }
    out.rules = rules;
    out.separator = separator;
    return out;
}

OutputItem company(const char *name, const QList<int> &codes, const QString &separator)
{
    OutputItem out;
    out.name = u(name);
    for (int code : codes) {
        out.mapSources.append(SourceKind::CompanyField);
        out.mapNums.append(code);
        out.mappings.append(QStringLiteral("[%1]").arg(CompanyInfo::keys().value(code)));
    }
    out.separator = separator;
    return out;
}

// A statement field fed from one input column, or computed when column is -1.
StatementField printed(int column = -1)
{
    StatementField field;
    field.toPrint = true;
    if (column >= 0) {
        const QStringList heads =
            OrderExportGenerator::orderHeads() + OrderExportGenerator::lineHeads().mid(1);
        field.mapNums = {column};
        field.mappings = QStringList{heads.value(column)};
    }
    return field;
}

void condition(OutputItem &out, SourceKind kind, int code, const QString &test)
{
    out.condSources.append(kind);
    out.condNums.append(code);
    out.conditions.append(QString::number(code));
    out.condRules.append(test);
}

} // namespace

ConvertSetting BenchSetting::make()
{
    ConvertSetting s;
    s.name = QStringLiteral("bench");
    InputForm orders;
    orders.name = QStringLiteral("orders");
    orders.heads = OrderExportGenerator::orderHeads();
    InputForm lines;
    lines.name = QStringLiteral("lines");
    lines.heads = OrderExportGenerator::lineHeads();
    lines.targetKey = OrderNumber;
    lines.key = 0;
    s.forms = {orders, lines};
    s.heads = orders.heads + lines.heads.mid(1);

    QList<OutputItem> items;
    OutputItem number = item("注文番号", {OrderNumber});
    number.distinct = QStringLiteral("YES");
    items << number;
    items << item("注文日", {OrderDate}, {QStringLiteral("left(10)")});
    items << item("注文時刻", {OrderDate}, {QStringLiteral("right(8)")});
    items << item("お届け先名", {BuyerName}, {u("append(様)"), QStringLiteral("simplified")});
    items << item("お届け先カナ", {BuyerKana},
                  {QStringLiteral("charType(fullWidth)"), QStringLiteral("charType(katakana)")});
    items << item("ふりがな", {BuyerKana},
                  {QStringLiteral("charType(fullWidth)"), QStringLiteral("charType(hirakana)")});
    items << item("郵便番号", {PostCode},
                  {QStringLiteral("find(contains(-),matchedString,delete)")});
    items << item("郵便番号下4桁", {PostCode}, {QStringLiteral("cutLeft(4)")});
    items << item("住所", {Address}, {QStringLiteral("trim"), QStringLiteral("breakLine(24)")});
    items << item("住所1行", {PostCode, Address}, {QStringLiteral("newLine(REMOVE)")}, u("　"));
    items << item("電話番号", {Tel},
                  {QStringLiteral("find(startsWith(0),matchedString,replace(+81-))")});
    items << item("メール", {Mail}, {QStringLiteral("charType(lowerCase)")});
    items << item("備考", {Note}, {QStringLiteral("newLine(CRLF)")});
    items << item("備考LF", {Note}, {QStringLiteral("newLine(LF)"), u("prepend(※)")});
    items << item("支払方法", {Payment}, {u("find(equalTo(代金引換),fullString,replace(COD))")});
    items << item("商品合計", {Goods});
    OutputItem shipping = item("送料", {Shipping});
    condition(shipping, SourceKind::InputItem, Shipping,
              QStringLiteral("range(greaterThan(0),unLimit)"));
    shipping.condCombination = QStringLiteral("AND");
    items << shipping;
    OutputItem cod = item("代引手数料", {Cod}, {u("append(円)")});
    condition(cod, SourceKind::InputItem, Payment, u("equalTo(代金引換)"));
    condition(cod, SourceKind::InputItem, Cod,
              QStringLiteral("range(notLessThan(1),notGreaterThan(1000))"));
    cod.condCombination = QStringLiteral("OR");
    items << cod;
    items << item("合計金額", {Total}, {QStringLiteral("cutRight(0)")});
    OutputItem product = item("商品名", {ProductName}, {QStringLiteral("trim")});
    product.merge = QStringLiteral("STRING");
    product.mergeSeparator = u("／");
    product.afterRules = QStringList{u("prepend(【)"), u("append(】)")};
    items << product;
    OutputItem productNumber =
        item("商品番号", {ProductNumber}, {QStringLiteral("charType(upperCase)")});
    productNumber.merge = QStringLiteral("STRING");
    productNumber.mergeSeparator = QStringLiteral("\n");
    items << productNumber;
    OutputItem quantity = item("個数", {Quantity});
    quantity.merge = QStringLiteral("NUMBER");
    items << quantity;
    OutputItem price = item("単価計", {UnitPrice});
    price.merge = QStringLiteral("NUMBER");
    price.afterRules = QStringList{u("append(円)")};
    items << price;
    items << company("店舗", {1, 2}, QStringLiteral(" "));
    items << company("発送元", {0, 3, 4, 5}, QStringLiteral(" "));
    OutputItem check;
    check.name = u("要確認");
    check.rules = QStringList{u("append(要確認)")};
    condition(check, SourceKind::InputItem, Note, QStringLiteral("notEqualTo()"));
    condition(check, SourceKind::InputItem, Total,
              QStringLiteral("range(notLessThan(10000),unLimit)"));
    check.condCombination = QStringLiteral("AND");
    items << check;
    items << item(
        "選択肢", {ProductOption},
        {u("find(notContains(なし),fullString,print)"), QStringLiteral("charType(halfWidth)")});
    s.outputItems = items;
    for (int f = 0; f < 19; ++f)
        s.statementFields.append(StatementField());
    return s;
}

ConvertSetting BenchSetting::makeWithStatement()
{
    ConvertSetting s = make();
    s.name = QStringLiteral("bench-statement");
    StatementOptions &o = s.statement;
    o.generate = true;
    o.title = u("お買上げ明細書");
    o.ment = u("この度はご注文いただき誠にありがとうございます。");
    o.comment = u("返品・交換は商品到着後7日以内にご連絡ください。");
    o.printCompanyName = o.printStoreName = o.printStorePostCode = o.printStoreAddress = true;
    o.printStoreTel = o.printStoreSite = true;
    namespace F = StatementFields;
    const QList<QPair<int, int>> columns{{F::Name, BuyerName},
                                         {F::Address, Address},
                                         {F::PostCode, PostCode},
                                         {F::OrderNumber, OrderNumber},
                                         {F::OrderDate, OrderDate},
                                         {F::ProductName, ProductName},
                                         {F::ProductNumber, ProductNumber},
                                         {F::Option, ProductOption},
                                         {F::Quantity, Quantity},
                                         {F::UnitPrice, UnitPrice},
                                         {F::Tax, Tax},
                                         {F::ShippingCharge, Shipping},
                                         {F::CodCharge, Cod},
                                         {F::Coupon, Coupon},
                                         {F::Point, Points}};
    for (const auto &column : columns)
        s.statementFields[column.first] = printed(column.second);
    for (const int computed : {F::Subtotal, F::Sum, F::TotalSum, F::Payment})
        s.statementFields[computed] = printed();
    return s;
}

bool BenchSetting::save()
{
    CompanyInfo info;
    info.setValue(0, u("株式会社ロウスミス"));
    info.setValue(1, u("ロウスミス商店"));
    info.setValue(2, QStringLiteral("https://shop.example.jp"));
    info.setValue(3, QStringLiteral("100-0005"));
    info.setValue(4, u("東京都千代田区丸の内1-1-1"));
    info.setValue(5, QStringLiteral("03-1234-5678"));
    info.write();
    return ConvertSettingStore::save(make()) && ConvertSettingStore::save(makeWithStatement());
}
