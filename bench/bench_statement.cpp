// The purchase statement of a day's orders: 1,000 orders with Japanese names
// and addresses and one to three product lines each, from input rows to PDF.
#include "statement/StatementBuilder.h"
#include "statement/StatementWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Orders = 1000;

// Input columns of the benchmark rows.
enum Column
{
    OrderNo,
    OrderDate,
    Buyer,
    PostCode,
    Address,
    ItemNo,
    ItemName,
    ItemOption,
    Quantity,
    Price,
    Shipping,
    Columns
};

QList<QStringList> orderRows()
{
    const QStringList surnames{"佐藤", "鈴木", "高橋", "田中", "伊藤",   "渡辺", "山本", "中村",
                               "小林", "加藤", "吉田", "山田", "佐々木", "山口", "松本"};
    const QStringList givenNames{"太郎", "花子", "翔太", "美咲", "大輔", "陽菜",
                                 "健一", "由美", "蓮",   "結衣", "悠真", "さくら"};
    const QStringList places{"東京都世田谷区太子堂2-14-5 サンハイツ302",
                             "大阪府大阪市北区梅田3-1-1 グランフロント1205",
                             "北海道札幌市中央区北一条西4-2-2",
                             "福岡県福岡市博多区博多駅前2-19-24 博多ビル8F",
                             "愛知県名古屋市中村区名駅1-1-4",
                             "神奈川県横浜市西区みなとみらい2-2-1 ランドマーク4503"};
    const QStringList products{
        "有機栽培 静岡県産 深蒸し煎茶 100g",    "北海道産 特選じゃがいも 5kg",
        "宮崎県産 完熟マンゴー 2玉 化粧箱入り", "讃岐うどん 半生 6人前",
        "国産 無添加 ドライフルーツ詰め合わせ", "京都 宇治抹茶ラテ スティック20本"};
    const QStringList options{"", "ギフト包装あり", "熨斗: 御中元", "サイズ: L"};
    QList<QStringList> rows;
    for (int order = 0; order < Orders; ++order) {
        const int lines = 1 + order % 3;
        for (int line = 0; line < lines; ++line) {
            QStringList row;
            row.reserve(Columns);
            row << QString("R%1-%2").arg(20240501).arg(order, 6, 10, QChar('0'))
                << QString("2024-05-%1 1%2:2%3:00")
                       .arg(1 + order % 28, 2, 10, QChar('0'))
                       .arg(order % 10)
                       .arg(line)
                << surnames.at(order % surnames.size()) + " " +
                       givenNames.at(order % givenNames.size())
                << QString("%1-%2").arg(100 + order % 900).arg(1000 + order % 9000)
                << places.at(order % places.size())
                << QString("SKU-%1").arg(4000 + (order + line) % products.size())
                << products.at((order + line) % products.size())
                << options.at((order + line) % options.size())
                << QString::number(1 + (order + line) % 4)
                << QString::number(480 + 120 * ((order * 7 + line) % 40))
                << QString::number(line == 0 ? 660 : 0);
            rows.append(row);
        }
    }
    return rows;
}

StatementField mapped(int column, bool toPrint = true)
{
    StatementField field;
    field.toPrint = toPrint;
    field.mapNums = {column};
    field.mappings = QStringList{QString("column %1").arg(column)};
    return field;
}

QList<StatementField> fields()
{
    using namespace StatementFields;
    QList<StatementField> list;
    for (int c = 0; c < Count; ++c)
        list.append(StatementField());
    list[Name] = mapped(Buyer);
    list[Name].rules = QStringList{"trim"};
    list[Address] = mapped(Address);
    list[PostCode] = mapped(PostCode);
    list[OrderNumber] = mapped(OrderNo);
    list[OrderDate] = mapped(OrderDate);
    list[ProductName] = mapped(ItemName);
    list[ProductNumber] = mapped(ItemNo);
    list[Option] = mapped(ItemOption);
    list[Quantity] = mapped(Quantity);
    list[UnitPrice] = mapped(Price);
    list[ShippingCharge] = mapped(Shipping);
    for (const int c : {Subtotal, Sum, Tax, TotalSum, Payment})
        list[c].toPrint = true;
    return list;
}

StatementOptions statementOptions()
{
    StatementOptions o;
    o.generate = true;
    o.title = "お買上げ明細書";
    o.ment = "この度は当店をご利用いただき、誠にありがとうございます。\n"
             "またのご利用を心よりお待ちしております。";
    o.comment = "商品に不備がございましたら、到着後7日以内にご連絡ください。";
    o.printCompanyName = o.printStoreName = o.printStorePostCode = o.printStoreAddress = true;
    o.printStoreTel = o.printStoreFax = o.printStoreEmail = o.printStoreSite = true;
    return o;
}

CompanyInfo company()
{
    CompanyInfo info;
    const QStringList values{"株式会社ヴェルトラ",
                             "ヴェルトラ商店",
                             "https://shop.example.jp",
                             "150-0001",
                             "東京都渋谷区神宮前1-2-3 ヴェルトラビル5F",
                             "03-1234-5678",
                             "03-1234-5679",
                             "info@example.jp"};
    for (int code = 0; code < values.size(); ++code)
        info.setValue(code, values.at(code));
    return info;
}

// Rows to records, the duplicate lines of an order merged into its first.
StatementList records(const QList<QStringList> &rows)
{
    const QList<StatementField> statementFields = fields();
    StatementList list;
    for (int c = 0; c < StatementFields::Count; ++c)
        list.setPrinted(c, statementFields.at(c).toPrint);
    list.setCompanyFlags(statementOptions());
    const StatementBuilder builder(statementFields);
    QVector<QVector<int>> groups;
    QString previous;
    for (int i = 0; i < rows.size(); ++i) {
        list.append(builder.buildStatementRecord(rows.at(i)));
        if (rows.at(i).at(OrderNo) == previous)
            groups.last().append(i);
        else
            groups.append(QVector<int>{i});
        previous = rows.at(i).at(OrderNo);
    }
    list.mergeGroups(groups);
    list.computeTotals();
    return list;
}

void BM_BuildRecords(benchmark::State &state)
{
    const QList<QStringList> rows = orderRows();
    for (auto _ : state) {
        const StatementList list = records(rows);
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["rows"] = rows.size();
}
BENCHMARK(BM_BuildRecords)->Unit(benchmark::kMillisecond);

void BM_Statement1000Orders(benchmark::State &state)
{
    const QList<QStringList> rows = orderRows();
    QTemporaryDir dir;
    const QString path = dir.filePath("statement.pdf");
    qint64 size = 0;
    int pages = 0;
    for (auto _ : state) {
        const StatementList list = records(rows);
        StatementWriter writer(list, statementOptions(), company());
        if (!writer.writeStatement(path)) {
            state.SkipWithError("the statement could not be written");
            return;
        }
        size = QFileInfo(path).size();
        pages = list.count();
    }
    state.counters["pages"] = pages;
    state.counters["file_KB"] = double(size) / 1024;
    state.counters["KB_per_page"] = pages ? double(size) / 1024 / pages : 0;
}
BENCHMARK(BM_Statement1000Orders)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    // Fonts and painting need the GUI application, also on a machine without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
