#include "OrderExportGenerator.h"

#include <QDateTime>
#include <QFile>
#include <QTextCodec>

namespace {

// CSV field as shop systems export it: every field quoted, quotes doubled.
QString quoted(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString quotedIfNeeded(const QString &value)
{
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
        value.contains(QLatin1Char('\n')))
        return quoted(value);
    return value;
}

struct Name
{
    const char *kanji;
    const char *kana; // half-width, as many systems export it
};

const Name Surnames[] = {
    {"山田", "ﾔﾏﾀﾞ"},  {"佐藤", "ｻﾄｳ"},     {"鈴木", "ｽｽﾞｷ"}, {"髙橋", "ﾀｶﾊｼ"},  {"田中", "ﾀﾅｶ"},
    {"渡辺", "ﾜﾀﾅﾍﾞ"}, {"伊藤", "ｲﾄｳ"},     {"中村", "ﾅｶﾑﾗ"}, {"小林", "ｺﾊﾞﾔｼ"}, {"加藤", "ｶﾄｳ"},
    {"吉田", "ﾖｼﾀﾞ"},  {"山口", "ﾔﾏｸﾞﾁ"},   {"松本", "ﾏﾂﾓﾄ"}, {"井上", "ｲﾉｳｴ"},  {"木村", "ｷﾑﾗ"},
    {"斎藤", "ｻｲﾄｳ"},  {"長谷川", "ﾊｾｶﾞﾜ"}, {"﨑山", "ｻｷﾔﾏ"}};
const Name GivenNames[] = {{"太郎", "ﾀﾛｳ"},  {"花子", "ﾊﾅｺ"},   {"一郎", "ｲﾁﾛｳ"},  {"美咲", "ﾐｻｷ"},
                           {"翔太", "ｼｮｳﾀ"}, {"陽菜", "ﾋﾅ"},    {"大輔", "ﾀﾞｲｽｹ"}, {"由美", "ﾕﾐ"},
                           {"健一", "ｹﾝｲﾁ"}, {"さくら", "ｻｸﾗ"}, {"蓮", "ﾚﾝ"},      {"結衣", "ﾕｲ"},
                           {"直樹", "ﾅｵｷ"},  {"恵子", "ｹｲｺ"},   {"拓也", "ﾀｸﾔ"}};
const char *const Places[] = {"東京都千代田区丸の内",       "東京都世田谷区三軒茶屋",
                              "大阪府大阪市北区梅田",       "神奈川県横浜市中区山下町",
                              "愛知県名古屋市中村区名駅",   "北海道札幌市中央区北一条西",
                              "福岡県福岡市博多区博多駅前", "京都府京都市下京区四条通",
                              "宮城県仙台市青葉区一番町",   "沖縄県那覇市久茂地"};
const char *const Buildings[] = {"",
                                 "",
                                 "コーポ髙山 201",
                                 "サンハイツ①号棟 305",
                                 "グランドメゾン 1203",
                                 "ＡＢＣビル ５Ｆ",
                                 "レジデンス～桜～ 102"};
const char *const Notes[] = {"午前中指定\n置き配希望",
                             "不在時は宅配ボックスへ",
                             "ギフト包装希望\n熨斗：御礼\n名入れ：山田",
                             "―",
                             "領収書希望（宛名：株式会社ロウスミス）",
                             "配達前に電話ください\nTEL 090－1234－5678"};
const char *const Payments[] = {"クレジットカード", "代金引換", "銀行振込", "コンビニ決済"};
struct Product
{
    const char *name;
    const char *number;
    int price;
};
const Product Products[] = {{"【送料無料】有機栽培 りんご 5kg", "apl-005", 3980},
                            {"みかん 10kg, 訳あり", "mkn-010", 2980},
                            {"シャインマスカット 2房", "grp-sm2", 5400},
                            {"北海道産 とうもろこし 12本", "crn-012", 3240},
                            {"\"極\"熟成 和牛ハンバーグ 8個", "hbg-008", 4860},
                            {"静岡県産 深蒸し茶 100g×3", "tea-300", 1980},
                            {"天然酵母パン 詰め合わせ", "brd-mix", 2600},
                            {"ｽﾞﾜｲｶﾞﾆ ﾎﾞｲﾙ 1kg", "crb-1kg", 8800},
                            {"￥1,000ポッキリ お試しセット", "try-100", 1000}};
const char *const Options[] = {"なし", "のし:あり", "サイズ:L", "配送日指定:あり",
                               "ラッピング:あり"};

template <typename T, int N> constexpr int count(const T (&)[N])
{
    return N;
}

} // namespace

OrderExportGenerator::OrderExportGenerator(int orders, quint32 seed, int linesPerOrder)
    : orders_(orders), linesPerOrder_(linesPerOrder), random_(seed)
{}

QStringList OrderExportGenerator::orderHeads()
{
    return QString::fromUtf8("受注番号,受注日時,注文者氏名,注文者カナ,郵便番号,住所,電話番号,"
                             "メールアドレス,配送備考,支払方法,商品合計,送料,代引手数料,消費税,"
                             "合計金額,ポイント利用,クーポン")
        .split(QLatin1Char(','));
}

QStringList OrderExportGenerator::lineHeads()
{
    return QString::fromUtf8("受注番号,商品名,商品番号,項目選択肢,単価,個数")
        .split(QLatin1Char(','));
}

QString OrderExportGenerator::orderRow(int index, QStringList &lines)
{
    const QString number = QStringLiteral("312045-20240105-%1").arg(index, 7, 10, QLatin1Char('0'));
    const QDateTime start(QDate(2024, 1, 5), QTime(0, 0));
    const QString date = start.addSecs(qint64(index) * 17 + random_.bounded(600))
                             .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    const Name &surname = Surnames[random_.bounded(count(Surnames))];
    const Name &given = GivenNames[random_.bounded(count(GivenNames))];
    const QString name =
        QString::fromUtf8(surname.kanji) + QString::fromUtf8("　") + QString::fromUtf8(given.kanji);
    const QString kana =
        QString::fromUtf8(surname.kana) + QLatin1Char(' ') + QString::fromUtf8(given.kana);
    const QString postCode = QStringLiteral("%1-%2")
                                 .arg(random_.bounded(1000), 3, 10, QLatin1Char('0'))
                                 .arg(random_.bounded(10000), 4, 10, QLatin1Char('0'));
    QString address = QString::fromUtf8(Places[random_.bounded(count(Places))]) +
                      QStringLiteral("%1-%2-%3")
                          .arg(1 + random_.bounded(9))
                          .arg(1 + random_.bounded(30))
                          .arg(1 + random_.bounded(20));
    const QString building = QString::fromUtf8(Buildings[random_.bounded(count(Buildings))]);
    if (!building.isEmpty())
        address += QStringLiteral(", ") + building;
    const QString tel = QStringLiteral("0%1-%2-%3")
                            .arg(random_.bounded(10, 99))
                            .arg(random_.bounded(1000, 9999))
                            .arg(random_.bounded(1000, 9999));
    const QString mail = QStringLiteral("User%1@Example.JP").arg(random_.bounded(100000));
    const QString note = random_.bounded(10) < 3
                             ? QString::fromUtf8(Notes[random_.bounded(count(Notes))])
                             : QString();
    const QString payment = QString::fromUtf8(Payments[random_.bounded(count(Payments))]);

    // About 1.5 lines per order: 60 % one, 30 % two, 10 % three.
    const int roll = random_.bounded(10);
    const int lineCount = linesPerOrder_ > 0 ? linesPerOrder_ : roll < 6 ? 1 : (roll < 9 ? 2 : 3);
    qint64 goods = 0;
    for (int l = 0; l < lineCount; ++l) {
        const Product &product = Products[random_.bounded(count(Products))];
        const int quantity = 1 + random_.bounded(3);
        goods += qint64(product.price) * quantity;
        lines.append(QStringList{number, quotedIfNeeded(QString::fromUtf8(product.name)),
                                 QString::fromLatin1(product.number),
                                 QString::fromUtf8(Options[random_.bounded(count(Options))]),
                                 QString::number(product.price), QString::number(quantity)}
                         .join(QLatin1Char(',')));
    }
    const int shipping = goods >= 5000 ? 0 : 800;
    const int cod = payment == QString::fromUtf8("代金引換") ? 330 : 0;
    const qint64 tax = goods * 8 / 108;
    const int points = random_.bounded(10) < 2 ? random_.bounded(1, 500) : 0;
    const int coupon = random_.bounded(10) < 1 ? 300 : 0;
    const qint64 total = goods + shipping + cod - points - coupon;
    const QStringList fields{number,
                             date,
                             name,
                             kana,
                             postCode,
                             address,
                             tel,
                             mail,
                             note,
                             payment,
                             QString::number(goods),
                             QString::number(shipping),
                             QString::number(cod),
                             QString::number(tax),
                             QString::number(total),
                             QString::number(points),
                             QString::number(coupon)};
    QString row;
    for (int f = 0; f < fields.size(); ++f) {
        if (f > 0)
            row += QLatin1Char(',');
        row += quoted(fields.at(f));
    }
    return row;
}

bool OrderExportGenerator::write(const QString &folder)
{
    QTextCodec *codec = QTextCodec::codecForName("Shift_JIS");
    QFile orders(folder + QStringLiteral("/orders.csv"));
    QFile lines(folder + QStringLiteral("/lines.csv"));
    if (!orders.open(QIODevice::WriteOnly) || !lines.open(QIODevice::WriteOnly))
        return false;
    const QString lineEnd = QStringLiteral("\r\n"); // Windows exports
    QStringList header;
    for (const QString &head : orderHeads())
        header.append(quoted(head));
    QString orderText = header.join(QLatin1Char(',')) + lineEnd;
    QString lineText = lineHeads().join(QLatin1Char(',')) + lineEnd;
    QStringList orderLines;
    bool ok = true;
    for (int i = 0; i < orders_; ++i) {
        orderLines.clear();
        QString row = orderRow(i + 1, orderLines);
        row.replace(QLatin1Char('\n'), lineEnd);
        orderText += row + lineEnd;
        for (const QString &line : qAsConst(orderLines))
            lineText += line + lineEnd;
        if (orderText.size() > (1 << 20) || i + 1 == orders_) {
            ok = ok && orders.write(codec->fromUnicode(orderText)) >= 0;
            ok = ok && lines.write(codec->fromUnicode(lineText)) >= 0;
            orderText.clear();
            lineText.clear();
        }
    }
    if (orders_ == 0) {
        ok = ok && orders.write(codec->fromUnicode(orderText)) >= 0;
        ok = ok && lines.write(codec->fromUnicode(lineText)) >= 0;
    }
    return ok && orders.flush() && lines.flush();
}
