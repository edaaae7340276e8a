#include "language/CharacterConversion.h"
#include "language/CharacterTables.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>

namespace {

using Conversion = std::function<QString(const QString &)>;

bool isHalfKanaLetter(char16_t c)
{
    return c >= 0xFF66 && c <= 0xFF9D;
}

bool isVoicingMark(char16_t c)
{
    return c == 0xFF9E || c == 0xFF9F;
}

bool isAsciiSymbol(char16_t c)
{
    return (c >= 0x20 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

template <typename Rows, typename Predicate>
const typename Rows::value_type *firstRow(const Rows &rows, Predicate matches)
{
    for (const auto &row : rows) {
        if (matches(row))
            return &row;
    }
    return nullptr;
}

const VoicedKanaRow *voicedPair(char16_t letter, char16_t mark)
{
    return firstRow(VoicedKanaTable, [&](const VoicedKanaRow &r) {
        return r.halfWidth == letter && r.voicingMark == mark;
    });
}

const KanaRow *halfWidthKana(char16_t c)
{
    return firstRow(KanaTable, [c](const KanaRow &r) { return r.halfWidth == c; });
}

// The conversions written as plain scans of the tables, first matching row
// first, the way they are defined. The lookups of the program must agree with
// them on every input.
struct Reference
{
    static QString fullWidth(const QString &text)
    {
        QString out;
        for (int i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const char16_t d = i + 1 < text.size() ? text[i + 1].unicode() : 0;
            const auto half = [c](const WidthRow &r) { return r.halfWidth == c; };
            if (const auto *row = firstRow(DigitTable, half)) {
                out += QChar(row->fullWidth);
            } else if (const auto *row = firstRow(LetterTable, half)) {
                out += QChar(row->fullWidth);
            } else if (isAsciiSymbol(c) || (c >= 0xFF61 && c <= 0xFF65)) {
                out += QChar(firstRow(SymbolTable, half)->fullWidth);
            } else if (isHalfKanaLetter(c) && isVoicingMark(d)) {
                const VoicedKanaRow *row = voicedPair(c, d);
                out += QChar(row ? row->katakana : c);
                i += row ? 1 : 0;
            } else if (isHalfKanaLetter(c)) {
                const KanaRow *row = halfWidthKana(c);
                out += QChar(row ? row->katakana : c);
            } else {
                out += QChar(c);
            }
        }
        return out;
    }

    static QString halfWidth(const QString &text)
    {
        QString out;
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            const auto full = [c](const WidthRow &r) { return r.fullWidth == c; };
            const WidthRow *row = firstRow(DigitTable, full);
            row = row ? row : firstRow(LetterTable, full);
            row = row ? row : firstRow(SymbolTable, full);
            if (row) {
                out += QChar(row->halfWidth);
            } else if (const auto *kana =
                           firstRow(KanaTable, [c](const KanaRow &r) { return r.katakana == c; })) {
                out += QChar(kana->halfWidth);
            } else if (const auto *voiced = firstRow(VoicedKanaTable, [c](const VoicedKanaRow &r) {
                           return r.katakana == c;
                       })) {
                out += QChar(voiced->halfWidth);
                out += QChar(voiced->voicingMark);
            } else {
                out += ch;
            }
        }
        return out;
    }

    static QString hiragana(const QString &text)
    {
        QString out;
        for (int i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            const char16_t d = i + 1 < text.size() ? text[i + 1].unicode() : 0;
            const auto *kana =
                firstRow(KanaTable, [c](const KanaRow &r) { return r.katakana == c; });
            const auto *voiced =
                firstRow(VoicedKanaTable, [c](const VoicedKanaRow &r) { return r.katakana == c; });
            const KanaRow *halfKana = halfWidthKana(c);
            if (kana) {
                out += QChar(kana->hiragana);
            } else if (voiced) {
                out += QChar(voiced->hiragana);
            } else if (isHalfKanaLetter(c) && isVoicingMark(d)) {
                if (const VoicedKanaRow *pair = voicedPair(c, d)) {
                    out += QChar(pair->hiragana);
                    ++i;
                } else {
                    out += QChar(halfKana ? halfKana->hiragana : c);
                }
            } else if (isHalfKanaLetter(c)) {
                out += QChar(halfKana ? halfKana->hiragana : c);
            } else {
                out += QChar(c);
            }
        }
        return out;
    }

    static QString katakana(const QString &text)
    {
        QString out;
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            const auto *kana =
                firstRow(KanaTable, [c](const KanaRow &r) { return r.hiragana == c; });
            const VoicedKanaRow *voiced = nullptr;
            for (size_t row = 1; row < VoicedKanaTable.size() && !voiced; ++row) {
                if (VoicedKanaTable[row].hiragana == c)
                    voiced = &VoicedKanaTable[row];
            }
            out += kana ? QChar(kana->katakana) : voiced ? QChar(voiced->katakana) : ch;
        }
        return out;
    }
};

struct NamedConversion
{
    const char *name;
    Conversion program;
    Conversion reference;
};

const QVector<NamedConversion> &conversions()
{
    static const QVector<NamedConversion> all = {
        {"fullWidth", toFullWidth, Reference::fullWidth},
        {"halfWidth", toHalfWidth, Reference::halfWidth},
        {"hiragana", toHiragana, Reference::hiragana},
        {"katakana", toKatakana, Reference::katakana},
    };
    return all;
}

Conversion programConversion(const QString &name)
{
    for (const NamedConversion &conversion : conversions()) {
        if (name == QLatin1String(conversion.name))
            return conversion.program;
    }
    return nullptr;
}

} // namespace

class TestCharacterConversion : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void roundTrip_data();
    void roundTrip();
    void tableLayout();
    void agreesWithTableScan_data();
    void agreesWithTableScan();
    void leavesSharedInputAlone();
};

void TestCharacterConversion::convert_data()
{
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const char *conversion, const QString &input,
                        const QString &expected) {
        QTest::newRow(name) << QString::fromLatin1(conversion) << input << expected;
    };
    const QString nbsp(QChar(0x00A0));

    row("full: ascii", "fullWidth", "Abc 123!", QStringLiteral("Ａｂｃ　１２３！"));
    row("full: voiced", "fullWidth", QStringLiteral("ｶﾞｷﾞｸﾞ"), QStringLiteral("ガギグ"));
    row("full: semi-voiced", "fullWidth", QStringLiteral("ﾊﾟﾝ"), QStringLiteral("パン"));
    row("full: letter with mark of no row", "fullWidth", QStringLiteral("ｱﾞ"),
        QStringLiteral("ｱﾞ"));
    row("full: prolonged mark", "fullWidth", QStringLiteral("ｰ"), QStringLiteral("ｰ"));
    row("full: mark alone", "fullWidth", QStringLiteral("ﾞ"), QStringLiteral("ﾞ"));
    row("full: kanji and kana", "fullWidth", QStringLiteral("漢字かな"),
        QStringLiteral("漢字かな"));
    row("full: hyphen", "fullWidth", "a-b", QStringLiteral("ａ―ｂ"));
    row("full: vu", "fullWidth", QStringLiteral("ｳﾞ"), QStringLiteral("ヴ"));
    row("full: brackets", "fullWidth", QStringLiteral("｢ﾃｽﾄ｣"), QStringLiteral("「テスト」"));
    row("full: punctuation", "fullWidth", QStringLiteral("｡､･"), QStringLiteral("。、・"));
    row("full: backslash", "fullWidth", "C:\\", QStringLiteral("Ｃ：￥"));
    row("full: tilde", "fullWidth", "~", QStringLiteral("￣"));
    row("full: quotes", "fullWidth", "\"a'", QStringLiteral("“ａ”"));
    row("full: space", "fullWidth", " ", QStringLiteral("　"));
    row("full: no-break space stays", "fullWidth", nbsp, nbsp);
    row("full: small kana", "fullWidth", QStringLiteral("ｯｬｭｮ"), QStringLiteral("ッャュョ"));
    row("full: mark behind plain letter", "fullWidth", QStringLiteral("ﾀﾞﾟ"),
        QStringLiteral("ダﾟ"));

    row("half: voiced", "halfWidth", QStringLiteral("ガギグ"), QStringLiteral("ｶﾞｷﾞｸﾞ"));
    row("half: vu", "halfWidth", QStringLiteral("ヴ"), QStringLiteral("ｳﾞ"));
    row("half: prolonged mark", "halfWidth", QStringLiteral("ー"), QStringLiteral("ｰ"));
    row("half: hiragana stays", "halfWidth", QStringLiteral("ひらがな"),
        QStringLiteral("ひらがな"));
    row("half: ideographic space to no-break space", "halfWidth", QStringLiteral("ＡＢＣ　１"),
        "ABC" + nbsp + "1");
    row("half: voicing mark", "halfWidth", QStringLiteral("゛゜"), QStringLiteral("ﾞﾟ"));
    row("half: brackets", "halfWidth", QStringLiteral("「テスト」"), QStringLiteral("｢ﾃｽﾄ｣"));
    row("half: yen sign", "halfWidth", QStringLiteral("￥１００"), "\\100");
    row("half: macron", "halfWidth", QStringLiteral("￣"), "~");
    row("half: curly quotes", "halfWidth", QStringLiteral("“ａ”"), "\"a'");
    row("half: horizontal bar", "halfWidth", QStringLiteral("―"), "-");
    row("half: full-width hyphen-minus stays", "halfWidth", QStringLiteral("－"),
        QStringLiteral("－"));
    row("half: yen of latin-1 stays", "halfWidth", QStringLiteral("¥"), QStringLiteral("¥"));
    row("half: single quotes stay", "halfWidth", QStringLiteral("‘’"), QStringLiteral("‘’"));
    row("half: small ka stays", "halfWidth", QStringLiteral("ヵヶ"), QStringLiteral("ヵヶ"));

    row("hira: katakana", "hiragana", QStringLiteral("カタカナ"), QStringLiteral("かたかな"));
    row("hira: half-width", "hiragana", QStringLiteral("ｶﾀｶﾅ"), QStringLiteral("かたかな"));
    row("hira: half-width semi-voiced", "hiragana", QStringLiteral("ﾊﾟﾝ"), QStringLiteral("ぱん"));
    row("hira: tsu", "hiragana", QStringLiteral("ツ"), QStringLiteral("つ"));
    row("hira: vu stays", "hiragana", QStringLiteral("ヴ"), QStringLiteral("ヴ"));
    row("hira: half-width vu", "hiragana", QStringLiteral("ｳﾞ"), QStringLiteral("ヴ"));
    row("hira: letter with mark of no row", "hiragana", QStringLiteral("ｱﾞ"),
        QStringLiteral("あﾞ"));
    row("hira: prolonged marks stay", "hiragana", QStringLiteral("ーｰ"), QStringLiteral("ーｰ"));
    row("hira: small ka stays katakana", "hiragana", QStringLiteral("ヵヶヮ"),
        QStringLiteral("ヵヶヮ"));
    row("hira: full-width voiced", "hiragana", QStringLiteral("ガパ"), QStringLiteral("がぱ"));

    row("kata: hiragana", "katakana", QStringLiteral("ひらがな"), QStringLiteral("ヒラガナ"));
    row("kata: small ya", "katakana", QStringLiteral("つゃ"), QStringLiteral("ツャ"));
    row("kata: half-width stays", "katakana", QStringLiteral("ｶﾅ"), QStringLiteral("ｶﾅ"));
    row("kata: semi-voiced", "katakana", QStringLiteral("ぱぴぷぺぽ"),
        QStringLiteral("パピプペポ"));
    row("kata: vu stays", "katakana", QStringLiteral("ヴ"), QStringLiteral("ヴ"));

    for (const NamedConversion &conversion : conversions()) {
        const QByteArray prefix = QByteArray(conversion.name) + ": ";
        row(prefix + "empty", conversion.name, QString(), QString());
        row(prefix + "korean", conversion.name, QStringLiteral("안녕하세요고객님"),
            QStringLiteral("안녕하세요고객님"));
        row(prefix + "outside the BMP", conversion.name, QStringLiteral("𡌛𠮷"),
            QStringLiteral("𡌛𠮷"));
    }
}

void TestCharacterConversion::convert()
{
    QFETCH(QString, conversion);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    const Conversion convert = programConversion(conversion);
    QVERIFY(convert);
    QCOMPARE(convert(input), expected);
}

void TestCharacterConversion::roundTrip_data()
{
    QTest::addColumn<QString>("there");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("result");

    const QString nbsp(QChar(0x00A0));
    const auto row = [](const char *name, const char *there, const char *back, const QString &input,
                        const QString &middle, const QString &result) {
        QTest::newRow(name) << QString::fromLatin1(there) << QString::fromLatin1(back) << input
                            << middle << result;
    };
    row("vu", "halfWidth", "fullWidth", QStringLiteral("ヴ"), QStringLiteral("ｳﾞ"),
        QStringLiteral("ヴ"));
    row("half-width vu", "hiragana", "katakana", QStringLiteral("ｳﾞ"), QStringLiteral("ヴ"),
        QStringLiteral("ヴ"));
    row("letter with mark of no row", "hiragana", "katakana", QStringLiteral("ｱﾞ"),
        QStringLiteral("あﾞ"), QStringLiteral("アﾞ"));
    row("letter with mark of no row, widths", "fullWidth", "halfWidth", QStringLiteral("ｱﾞ"),
        QStringLiteral("ｱﾞ"), QStringLiteral("ｱﾞ"));
    row("voiced through hiragana", "hiragana", "katakana", QStringLiteral("ｶﾞﾊﾟ"),
        QStringLiteral("がぱ"), QStringLiteral("ガパ"));
    // ｰ is no kana letter, so nothing turns it back into ー.
    row("prolonged mark", "halfWidth", "fullWidth", QStringLiteral("ラーメン"),
        QStringLiteral("ﾗｰﾒﾝ"), QStringLiteral("ラｰメン"));
    row("corner brackets", "halfWidth", "fullWidth", QStringLiteral("「テスト」"),
        QStringLiteral("｢ﾃｽﾄ｣"), QStringLiteral("「テスト」"));
    row("yen sign", "halfWidth", "fullWidth", QStringLiteral("￥1,000"), "\\1,000",
        QStringLiteral("￥１，０００"));
    row("backslash", "fullWidth", "halfWidth", "a\\b", QStringLiteral("ａ￥ｂ"), "a\\b");
    row("curly quotes", "halfWidth", "fullWidth", QStringLiteral("“様”"), "\"様'",
        QStringLiteral("“様”"));
    row("straight quotes", "fullWidth", "halfWidth", "\"'", QStringLiteral("“”"), "\"'");
    // The ideographic space has two rows; from the full-width side the first,
    // the no-break space, wins, and that one never turns full-width again.
    row("space", "fullWidth", "halfWidth", "a b", QStringLiteral("ａ　ｂ"), "a" + nbsp + "b");
    row("ideographic space", "halfWidth", "fullWidth", QStringLiteral("山田　太郎"),
        QStringLiteral("山田") + nbsp + QStringLiteral("太郎"),
        QStringLiteral("山田") + nbsp + QStringLiteral("太郎"));
}

void TestCharacterConversion::roundTrip()
{
    QFETCH(QString, there);
    QFETCH(QString, back);
    QFETCH(QString, input);
    QFETCH(QString, middle);
    QFETCH(QString, result);

    const QString converted = programConversion(there)(input);
    QCOMPARE(converted, middle);
    QCOMPARE(programConversion(back)(converted), result);
}

// Catches slips in the tables: every column lies where its characters belong.
void TestCharacterConversion::tableLayout()
{
    for (size_t i = 0; i < DigitTable.size(); ++i) {
        QCOMPARE(int(DigitTable[i].halfWidth), int(u'0' + i));
        QCOMPARE(int(DigitTable[i].fullWidth), int(0xFF10 + i));
    }
    for (size_t i = 0; i < 26; ++i) {
        QCOMPARE(int(LetterTable[i].halfWidth), int(u'A' + i));
        QCOMPARE(int(LetterTable[i].fullWidth), int(0xFF21 + i));
        QCOMPARE(int(LetterTable[26 + i].halfWidth), int(u'a' + i));
        QCOMPARE(int(LetterTable[26 + i].fullWidth), int(0xFF41 + i));
    }

    // The kana rows hold every half-width letter but ｰ, once each.
    QSet<int> halfLetters;
    for (const KanaRow &row : KanaTable) {
        QVERIFY(isHalfKanaLetter(row.halfWidth) && row.halfWidth != 0xFF70);
        halfLetters.insert(row.halfWidth);
        QCOMPARE(int(row.katakana), row.hiragana + 0x60);
    }
    QCOMPARE(halfLetters.size(), int(KanaTable.size()));
    QCOMPARE(int(KanaTable.front().katakana), int(u'ァ'));
    QCOMPARE(int(KanaTable.back().katakana), int(u'ン'));

    QCOMPARE(int(VoicedKanaTable[0].halfWidth), int(u'ｳ'));
    QCOMPARE(int(VoicedKanaTable[0].hiragana), int(u'ヴ'));
    QCOMPARE(int(VoicedKanaTable[0].katakana), int(u'ヴ'));
    for (size_t i = 1; i < VoicedKanaTable.size(); ++i) {
        const VoicedKanaRow &row = VoicedKanaTable[i];
        const char16_t mark = i <= 20 ? 0xFF9E : 0xFF9F;
        QCOMPARE(int(row.voicingMark), int(mark));
        const KanaRow *plain = halfWidthKana(row.halfWidth);
        QVERIFY(plain);
        const int step = mark == 0xFF9E ? 1 : 2;
        QCOMPARE(int(row.katakana), plain->katakana + step);
        QCOMPARE(int(row.hiragana), plain->hiragana + step);
    }

    // Rows 9 to 41: every ASCII symbol in ascending order, mostly the plain
    // full-width form; the exceptions are their Shift-JIS readings.
    QCOMPARE(int(SymbolTable[0].halfWidth), 0x00A0);
    QCOMPARE(int(SymbolTable[0].fullWidth), 0x3000);
    for (size_t i = 1; i <= 5; ++i)
        QCOMPARE(int(SymbolTable[i].halfWidth), int(0xFF60 + i));
    QCOMPARE(int(SymbolTable[6].halfWidth), 0xFF70);
    QCOMPARE(int(SymbolTable[7].fullWidth), 0x309B);
    QCOMPARE(int(SymbolTable[8].fullWidth), 0x309C);
    const QHash<int, int> exceptions = {{u' ', 0x3000}, {u'"', 0x201C},  {u'\'', 0x201D},
                                        {u'-', 0x2015}, {u'\\', 0xFFE5}, {u'~', 0xFFE3}};
    char16_t previous = 0;
    for (size_t i = 9; i < SymbolTable.size(); ++i) {
        const WidthRow &row = SymbolTable[i];
        QVERIFY(isAsciiSymbol(row.halfWidth));
        QVERIFY(row.halfWidth > previous);
        previous = row.halfWidth;
        QCOMPARE(int(row.fullWidth), int(exceptions.value(row.halfWidth, row.halfWidth + 0xFEE0)));
    }
    QCOMPARE(SymbolTable.size() - 9, size_t(16 + 7 + 6 + 4));
}

void TestCharacterConversion::agreesWithTableScan_data()
{
    QTest::addColumn<int>("conversion");
    for (int i = 0; i < conversions().size(); ++i)
        QTest::newRow(conversions()[i].name) << i;
}

// Every single character, every half-width letter with whatever follows it,
// and random mixtures give the same as the plain table scan.
void TestCharacterConversion::agreesWithTableScan()
{
    QFETCH(int, conversion);
    const NamedConversion &under = conversions()[conversion];

    for (int c = 0; c <= 0xFFFF; ++c) {
        const QString text = QString(QChar(char16_t(c)));
        if (under.program(text) != under.reference(text))
            QFAIL(qPrintable(QStringLiteral("differs on U+%1").arg(c, 4, 16, QLatin1Char('0'))));
    }
    const QVector<char16_t> followers = {0xFF9E, 0xFF9F, 0xFF70, u'a', 0x30AB, 0xFF76};
    for (char16_t c = 0xFF60; c <= 0xFFA0; ++c) {
        for (char16_t d : followers) {
            for (char16_t e : followers) {
                const QString text = QString(QChar(c)) + QChar(d) + QChar(e);
                QCOMPARE(under.program(text), under.reference(text));
            }
        }
    }

    QString alphabet = QStringLiteral("aZ09 -~\\\"'!｡｢ｰﾞﾟｱｳｶﾊﾝｦｯ。ー゛「あがぱゔヴアガパヵ　"
                                      "ＡＺ０９￥“”―漢𡌛");
    alphabet += QChar(0x00A0);
    alphabet += QChar(0xD800); // a lone surrogate
    QRandomGenerator random(20240601);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        const int length = random.bounded(24);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(alphabet.size())];
        QCOMPARE(under.program(text), under.reference(text));
    }
}

void TestCharacterConversion::leavesSharedInputAlone()
{
    const QString input = QStringLiteral("ｶﾞｷﾞ カタカナ かな ＡＢＣ");
    const QString copy = input;
    for (const NamedConversion &conversion : conversions())
        conversion.program(copy);
    QCOMPARE(copy, input);
    QCOMPARE(input, QStringLiteral("ｶﾞｷﾞ カタカナ かな ＡＢＣ"));
}

QTEST_APPLESS_MAIN(TestCharacterConversion)
#include "tst_characterconversion.moc"
