#include "language/CompiledRuleList.h"
#include "language/RuleApplication.h"

#include <QtTest>

// Every row runs through both ways a rule list is applied: parsed again for
// every rule (applyRule, applyRules) and parsed once (CompiledRuleList).
class TestRuleApplication : public QObject
{
    Q_OBJECT

private slots:
    void apply_data();
    void apply();
    void compiledListIsShareable();
};

namespace {

const QString pair = QStringLiteral("𡌛"); // one character, two UTF-16 units

void row(const char *name, const QStringList &rules, const QString &value, const QString &expected)
{
    QTest::newRow(name) << rules << value << expected;
}

void row(const char *name, const QString &rule, const QString &value, const QString &expected)
{
    row(name, QStringList{rule}, value, expected);
}

void addCountRows()
{
    row("left", "left(3)", "abcdef", "abc");
    row("right", "right(3)", "abcdef", "def");
    row("cutLeft", "cutLeft(2)", "abcdef", "cdef");
    row("cutRight", "cutRight(2)", "abcdef", "abcd");
    row("left beyond length", "left(10)", "abc", "abc");
    row("right beyond length", "right(10)", "abc", "abc");
    row("cutLeft beyond length", "cutLeft(10)", "abc", "");
    row("cutRight whole length", "cutRight(3)", "abc", "");
    row("left zero", "left(0)", "abc", "");
    row("right zero", "right(0)", "abc", "");
    row("cutLeft zero", "cutLeft(0)", "abc", "abc");
    row("cutRight zero", "cutRight(0)", "abc", "abc");
    row("left not a number", "left(x)", "abc", "");
    row("right not a number", "right(x)", "abc", "");
    row("cutLeft not a number", "cutLeft(x)", "abc", "abc");
    row("left with blanks", "left( 2 )", "abc", "ab");
    row("left negative", "left(-1)", "abc", "abc");
    row("right negative", "right(-1)", "abc", "abc");
    row("cutLeft negative", "cutLeft(-1)", "abc", "abc");
    row("cutRight negative", "cutRight(-2147483648)", "abc", "abc");
    row("left largest", "left(2147483647)", "abc", "abc");
    row("cutLeft largest", "cutLeft(2147483647)", "abc", "");
    row("left beyond 32 bits reads 0", "left(2147483648)", "abc", "");
    row("cutLeft beyond 32 bits reads 0", "cutLeft(99999999999999999999)", "abc", "abc");
    row("left below 32 bits reads 0", "left(-2147483649)", "abc", "");
    row("left empty value", "left(3)", "", "");
    row("left japanese", "left(2)", QStringLiteral("山田太郎"), QStringLiteral("山田"));

    // A character outside the Basic Multilingual Plane is never cut in half.
    row("left keeps pair whole", "left(2)", QStringLiteral("山𡌛田"), QStringLiteral("山𡌛"));
    row("left pair first", "left(1)", pair + "x", pair);
    row("left counts pairs", "left(3)", pair + pair + pair + pair, pair + pair + pair);
    row("right keeps pair whole", "right(1)", QStringLiteral("田𡌛"), pair);
    row("right counts pairs", "right(2)", QStringLiteral("山𡌛田"), QStringLiteral("𡌛田"));
    row("cutLeft pair", "cutLeft(1)", QStringLiteral("𡌛田"), QStringLiteral("田"));
    row("cutRight pair", "cutRight(1)", QStringLiteral("田𡌛"), QStringLiteral("田"));
    row("cutRight two", "cutRight(2)", QStringLiteral("山𡌛𡌛"), QStringLiteral("山"));
    const QString high(QChar(0xD844));
    const QString low(QChar(0xDF1B));
    row("lone high surrogate is one character", "left(1)", high + "x", high);
    row("lone low surrogate is one character", "right(1)", "x" + low, low);
    row("reversed surrogates are two characters", "left(1)", low + high, low);
}

void addBreakLineRows()
{
    row("breakLine even", "breakLine(2)", "abcdefgh", "ab\ncd\nef\ngh");
    row("breakLine last line of three", "breakLine(2)", "abcdefg", "ab\ncd\nefg");
    row("breakLine short", "breakLine(2)", "abc", "abc");
    row("breakLine one", "breakLine(1)", "abc", "a\nbc");
    row("breakLine one on two", "breakLine(1)", "ab", "ab");
    row("breakLine empty", "breakLine(1)", "", "");
    row("breakLine counts new lines", "breakLine(3)", "a\nbcdefg", "a\nb\ncde\nfg");
    row("breakLine counts CR and LF", "breakLine(2)", "a\r\nbcd", "a\r\n\nb\ncd");
    row("breakLine zero", "breakLine(0)", "abcdef", "abcdef");
    row("breakLine negative", "breakLine(-1)", "abcdef", "abcdef");
    row("breakLine smallest", "breakLine(-2147483648)", "abcdef", "abcdef");
    row("breakLine not a number", "breakLine(x)", "abcdef", "abcdef");
    row("breakLine largest", "breakLine(2147483647)", "abcdef", "abcdef");
    row("breakLine japanese", "breakLine(3)", QStringLiteral("東京都千代田区丸の内"),
        QStringLiteral("東京都\n千代田\n区丸の内"));
    row("breakLine pairs", "breakLine(1)", pair + pair + pair, pair + "\n" + pair + pair);
    row("breakLine pair at cut", "breakLine(2)", QStringLiteral("山田𡌛子花"),
        QStringLiteral("山田\n𡌛子花"));
    row("breakLine pairs only", "breakLine(2)", pair + pair + pair + pair + pair,
        pair + pair + "\n" + pair + pair + pair);
    row("breakLine pairs short", "breakLine(2)", pair + pair + pair, pair + pair + pair);
}

void addInsertRows()
{
    row("newLine CRLF", "newLine(CRLF)", "a\r\nb", "a\r\r\nb");
    row("newLine CRLF plain", "newLine(CRLF)", "a\nb\n", "a\r\nb\r\n");
    row("newLine LF", "newLine(LF)", "a\r\nb", "a\nb");
    row("newLine LF keeps lone CR", "newLine(LF)", "a\r\r\nb\r", "a\r\nb\r");
    row("newLine REMOVE", "newLine(REMOVE)", "a\rb\nc", "abc");
    row("newLine REMOVE pairs", "newLine(REMOVE)", "\r\n\r\n", "");
    row("newLine lower case keyword", "newLine(lf)", "a\r\nb", "a\r\nb");
    row("newLine no keyword", "newLine()", "a\r\nb", "a\r\nb");
    row("prepend parentheses", "prepend((x))", "abc", "(x)abc");
    row("append", QStringLiteral("append(様)"), QStringLiteral("山田"), QStringLiteral("山田様"));
    row("append nothing", "append()", "abc", "abc");
    row("append to empty", "append(x)", "", "x");
}

void addFindRows()
{
    row("find print matched", "find(contains(-),fullString,print)", "a-b", "a-b");
    row("find print unmatched", "find(contains(-),fullString,print)", "ab", "");
    row("find delete matched", "find(contains(-),fullString,delete)", "a-b", "");
    row("find delete unmatched", "find(contains(-),fullString,delete)", "ab", "ab");
    row("find replace whole", "find(equalTo(N/A),fullString,replace(0))", "N/A", "0");
    row("find replace case", "find(equalTo(N/A),fullString,replace(0))", "n/a", "n/a");
    row("find unknown test never matches", "find(like(x),fullString,print)", "x", "");
    row("find unknown test, delete", "find(like(x),fullString,delete)", "x", "x");
    row("find matched delete all", "find(contains(-),matchedString,delete)", "0120-44-55",
        "01204455");
    row("find matched replace all", "find(contains(-),matchedString,replace(/))", "a-b-c", "a/b/c");
    row("find replace without overlap", "find(contains(ab),matchedString,replace(b))", "aabab",
        "abb");
    row("find delete without overlap", "find(contains(aa),matchedString,delete)", "aaa", "a");
    row("find replace by nothing", "find(contains(-),matchedString,replace())", "a-b", "ab");
    row("find search with parentheses", QStringLiteral("find(contains((様)),matchedString,delete)"),
        QStringLiteral("山田(様)"), QStringLiteral("山田"));
    row("find case-sensitive", "find(contains(A),matchedString,delete)", "aA", "a");
    row("find startsWith delete", "find(startsWith(TEL:),matchedString,delete)", "TEL:0312",
        "0312");
    row("find startsWith case", "find(startsWith(TEL:),matchedString,delete)", "tel:0312",
        "tel:0312");
    row("find startsWith replace",
        QStringLiteral("find(startsWith(TEL:),matchedString,replace(電話))"), "TEL:TEL:1",
        QStringLiteral("電話TEL:1"));
    row("find endsWith replace", QStringLiteral("find(endsWith(様),matchedString,replace(さん))"),
        QStringLiteral("山田様"), QStringLiteral("山田さん"));
    row("find endsWith delete", QStringLiteral("find(endsWith(様),matchedString,delete)"),
        QStringLiteral("様様"), QStringLiteral("様"));
    row("find matched print", "find(contains(x),matchedString,print)", "axb", "x");
    row("find matched print unmatched", "find(contains(x),matchedString,print)", "ab", "ab");
    row("find equalTo print", "find(equalTo(N/A),matchedString,print)", "N/A", "N/A");
    row("find equalTo delete", "find(equalTo(N/A),matchedString,delete)", "N/A", "");
    row("find notEqualTo replace", "find(notEqualTo(a),matchedString,replace(z))", "b", "z");
    row("find notEqualTo unmatched", "find(notEqualTo(a),matchedString,replace(z))", "a", "a");
    row("find notContains print", "find(notContains(-),matchedString,print)", "ab", "-");
    row("find notContains replace", "find(notContains(-),matchedString,replace(none))", "ab",
        "none");
    row("find notStartsWith replace all", "find(notStartsWith(A),matchedString,replace(B))", "CAT",
        "CBT");
    row("find notStartsWith delete", "find(notStartsWith(A),matchedString,delete)", "CAT", "");
    row("find notStartsWith unmatched", "find(notStartsWith(A),matchedString,replace(B))", "AA",
        "AA");
    row("find notEndsWith replace all", "find(notEndsWith(-),matchedString,replace(+))", "a-b",
        "a+b");
    row("find notEndsWith delete", "find(notEndsWith(-),matchedString,delete)", "ab", "");
    row("find unknown scope", "find(contains(a),middle,print)", "abc", "abc");
    row("find unknown action", "find(contains(a),fullString,keep)", "abc", "abc");
    row("find missing action", "find(contains(a),fullString)", "abc", "abc");
    row("find test only", "find(contains(a))", "abc", "abc");
    row("find empty", "find()", "abc", "abc");
    row("find comma in search splits", "find(contains(a,b),fullString,print)", "a,b", "a,b");
    // The empty search occurs at every position.
    row("find empty search", "find(contains(),matchedString,replace(x))", "ab", "xaxbx");
    row("find empty search delete", "find(contains(),matchedString,delete)", "ab", "ab");
    row("find empty search at start", "find(startsWith(),matchedString,replace(x))", "ab", "xab");
}

void addTypeRows()
{
    row("upperCase", "charType(upperCase)", "abc", "ABC");
    row("lowerCase", "charType(lowerCase)", QStringLiteral("ABCａ"), QStringLiteral("abcａ"));
    row("upperCase full-width", "charType(upperCase)", QStringLiteral("ａｂｃ"),
        QStringLiteral("ＡＢＣ"));
    row("charType unknown", "charType(title)", "abc", "abc");
    row("charType case-sensitive", "charType(FullWidth)", "abc", "abc");
    row("fullWidth", "charType(fullWidth)", QStringLiteral("ｶﾞｷﾞ 1"), QStringLiteral("ガギ　１"));
    row("halfWidth", "charType(halfWidth)", QStringLiteral("ガギ　１"),
        QStringLiteral("ｶﾞｷﾞ\u00A0"
                       "1"));
    row("hirakana", "charType(hirakana)", QStringLiteral("ｶﾀｶﾅ"), QStringLiteral("かたかな"));
    row("katakana", "charType(katakana)", QStringLiteral("ひらがな"), QStringLiteral("ヒラガナ"));
    row("trim", "trim", "  a b  ", "a b");
    row("trim with parentheses", "trim()", "  a b  ", "a b");
    row("trim ideographic space", "trim", QStringLiteral("　山田　"), QStringLiteral("山田"));
    row("trim line ends", "trim", "\r\n a \t", "a");
    row("simplified", "simplified", "  a   b  ", "a b");
    row("simplified mixed blanks", "simplified", "a\t\r\n b", "a b");
    row("simplified ideographic spaces", "simplified", QStringLiteral("山田　　太郎"),
        QStringLiteral("山田 太郎"));
}

void addListRows()
{
    row("unknown name", "foo(1)", "abc", "abc");
    row("empty rule", "", "abc", "abc");
    row("names are case-sensitive", "Left(1)", "abc", "abc");
    row("blank in name", "left (1)", "abc", "abc");
    row("empty list", QStringList(), "abc", "abc");
    row("cut then keep", QStringList{"cutLeft(1)", "left(2)"}, "abcd", "bc");
    row("keep then cut", QStringList{"left(2)", "cutLeft(1)"}, "abcd", "b");
    row("duplicates", QStringList{"append(x)", "append(x)"}, "a", "axx");
    row("five rules",
        QStringList{"find(contains(-),matchedString,replace(ー))", "charType(fullWidth)",
                    "breakLine(8)", "trim", QStringLiteral("append(様)")},
        QStringLiteral(" ﾔﾏﾀﾞ-ﾀﾛｳ ｶﾌﾞｼｷｶﾞｲｼｬ "),
        QStringLiteral("ヤマダータロウ\n　カブシキガイシ\nャ様"));
    row("normalise a phone number",
        QStringList{"charType(halfWidth)", "find(contains(-),matchedString,delete)",
                    "find(startsWith(TEL:),matchedString,delete)", "trim"},
        QStringLiteral("TEL:０３－１２３４－５６７８ "), QStringLiteral("03－1234－5678"));
}

} // namespace

void TestRuleApplication::apply_data()
{
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    addCountRows();
    addBreakLineRows();
    addInsertRows();
    addFindRows();
    addTypeRows();
    addListRows();
}

void TestRuleApplication::apply()
{
    QFETCH(QStringList, rules);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    QString stepByStep = value;
    for (const QString &rule : rules)
        stepByStep = applyRule(rule, stepByStep);
    QCOMPARE(stepByStep, expected);
    QCOMPARE(applyRules(rules, value), expected);
    const CompiledRuleList compiled(rules);
    QCOMPARE(compiled.isEmpty(), rules.isEmpty());
    QCOMPARE(compiled.apply(value), expected);
    // Applying again gives the same: a compiled list keeps no state.
    QCOMPARE(compiled.apply(value), expected);
    if (value.isEmpty()) {
        // A null value behaves as the empty one.
        QCOMPARE(applyRules(rules, QString()), expected);
        QCOMPARE(compiled.apply(QString()), expected);
    }
}

void TestRuleApplication::compiledListIsShareable()
{
    const QString value = QStringLiteral("ﾔﾏﾀﾞ");
    CompiledRuleList list(QStringList{"charType(fullWidth)", "append(!)"});
    const CompiledRuleList copy = list;
    list = CompiledRuleList(QStringList{"left(1)"});
    QCOMPARE(copy.apply(value), QStringLiteral("ヤマダ!"));
    QCOMPARE(list.apply(value), QStringLiteral("ﾔ"));
    QCOMPARE(value, QStringLiteral("ﾔﾏﾀﾞ"));
    QVERIFY(CompiledRuleList().isEmpty());
    QCOMPARE(CompiledRuleList().apply(value), value);
}

QTEST_APPLESS_MAIN(TestRuleApplication)
#include "tst_ruleapplication.moc"
