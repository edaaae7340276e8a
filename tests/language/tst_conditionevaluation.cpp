#include "language/CompiledCondition.h"
#include "language/ConditionEvaluation.h"

#include <QtTest>

#include <limits>

// Text tests, number ranges and the evaluation of stored condition strings;
// every stored condition runs both parsed per call and parsed once.
class TestConditionEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void textCondition_data();
    void textCondition();
    void numberRange_data();
    void numberRange();
    void storedCondition_data();
    void storedCondition();
    void compiledConditionCopies();
};

namespace {

void row(const char *name, const QString &condition, const QString &value, bool expected)
{
    QTest::newRow(name) << condition << value << expected;
}

void addTextRows()
{
    row("equalTo", "equalTo(Tokyo)", "Tokyo", true);
    row("equalTo case", "equalTo(Tokyo)", "tokyo", false);
    row("equalTo trailing blank", "equalTo(Tokyo)", "Tokyo ", false);
    row("equalTo width", QStringLiteral("equalTo(ＡＢＣ)"), "ABC", false);
    row("equalTo empty", "equalTo()", "", true);
    row("equalTo empty against text", "equalTo()", "a", false);
    row("notEqualTo", "notEqualTo(Tokyo)", "tokyo", true);
    row("notEqualTo same", "notEqualTo(Tokyo)", "Tokyo", false);
    row("contains", QStringLiteral("contains(様)"), QStringLiteral("山田様"), true);
    row("notContains", QStringLiteral("notContains(様)"), QStringLiteral("山田様"), false);
    row("notContains absent", QStringLiteral("notContains(様)"), QStringLiteral("山田"), true);
    row("contains comma", "contains(a,b)", "xa,by", true);
    row("contains comma apart", "contains(a,b)", "ab", false);
    row("contains parentheses", "contains((1))", "a(1)b", true);
    row("contains empty", "contains()", "", true);
    row("notContains empty", "notContains()", "abc", false);
    row("startsWith", "startsWith(090)", "090-1234-5678", true);
    row("startsWith longer than value", "startsWith(090)", "09", false);
    row("startsWith empty", "startsWith()", "", true);
    row("notStartsWith", "notStartsWith(090)", "080-1234", true);
    row("notStartsWith empty", "notStartsWith()", "abc", false);
    row("endsWith", QStringLiteral("endsWith(様)"), QStringLiteral("様"), true);
    row("endsWith empty", "endsWith()", "abc", true);
    row("notEndsWith", "notEndsWith(-)", "a-b", true);
    row("notEndsWith trailing", "notEndsWith(-)", "ab-", false);
    row("unknown name", "between(1)", "1", false);
    row("empty condition", "", "", false);
    row("names are case-sensitive", "EqualTo(a)", "a", false);
    row("surrogate pair", QStringLiteral("endsWith(𡌛)"), QStringLiteral("山𡌛"), true);
}

} // namespace

void TestConditionEvaluation::textCondition_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("expected");
    addTextRows();
}

void TestConditionEvaluation::textCondition()
{
    QFETCH(QString, condition);
    QFETCH(QString, value);
    QFETCH(bool, expected);

    QCOMPARE(testTextCondition(condition, value), expected);
    QCOMPARE(evaluateCondition(condition, value), expected);
    QCOMPARE(CompiledCondition(condition).test(value), expected);
    if (value.isEmpty()) {
        QCOMPARE(testTextCondition(condition, QString()), expected);
        QCOMPARE(CompiledCondition(condition).test(QString()), expected);
    }
}

void TestConditionEvaluation::numberRange_data()
{
    QTest::addColumn<QStringList>("bounds");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("expected");

    const int min = std::numeric_limits<int>::min();
    const int max = std::numeric_limits<int>::max();
    QTest::newRow("no limits") << QStringList{"unLimit", "unLimit"} << min << true;
    QTest::newRow("no bounds at all") << QStringList() << 5 << true;
    QTest::newRow("greaterThan above") << QStringList{"greaterThan(5)"} << 6 << true;
    QTest::newRow("greaterThan equal") << QStringList{"greaterThan(5)"} << 5 << false;
    QTest::newRow("notLessThan equal") << QStringList{"notLessThan(5)", "unLimit"} << 5 << true;
    QTest::newRow("notLessThan below") << QStringList{"notLessThan(5)", "unLimit"} << 4 << false;
    QTest::newRow("lessThan equal") << QStringList{"unLimit", "lessThan(5)"} << 5 << false;
    QTest::newRow("notGreaterThan equal")
        << QStringList{"unLimit", "notGreaterThan(5)"} << 5 << true;
    QTest::newRow("crossed bounds") << QStringList{"notLessThan(5)", "lessThan(5)"} << 5 << false;
    QTest::newRow("unknown bounds") << QStringList{"foo(1)", "bar(2)"} << min << true;
    QTest::newRow("non-numeric bound is 0")
        << QStringList{"greaterThan(x)", "unLimit"} << 0 << false;
    QTest::newRow("non-numeric bound is 0, above")
        << QStringList{"greaterThan(x)", ""} << 1 << true;
    QTest::newRow("largest") << QStringList{"", "notGreaterThan(2147483647)"} << max << true;
    QTest::newRow("above largest") << QStringList{"greaterThan(2147483647)", ""} << max << false;
    QTest::newRow("below smallest")
        << QStringList{"unLimit", "lessThan(-2147483648)"} << min << false;
    QTest::newRow("bound beyond 32 bits is 0")
        << QStringList{"greaterThan(99999999999)", "unLimit"} << 1 << true;
}

void TestConditionEvaluation::numberRange()
{
    QFETCH(QStringList, bounds);
    QFETCH(int, number);
    QFETCH(bool, expected);

    QCOMPARE(testNumberRange(bounds, number), expected);
}

void TestConditionEvaluation::storedCondition_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("expected");

    const QString positive = "range(greaterThan(0),unLimit)";
    const QString percent = "range(notLessThan(0),notGreaterThan(100))";
    row("positive zero", positive, "0", false);
    row("positive one", positive, "1", true);
    row("positive text", positive, "abc", false);
    row("positive empty", positive, "", false);
    row("percent lower edge", percent, "0", true);
    row("percent upper edge", percent, "100", true);
    row("percent above", percent, "101", false);
    row("percent below", percent, "-1", false);
    row("unlimited lower", "range(unLimit,lessThan(5))", "-3", true);
    row("unlimited both", "range(unLimit,unLimit)", "anything", true);
    row("crossed bounds", "range(notLessThan(10),lessThan(5))", "7", false);
    row("blanks around value", "range(greaterThan(41),lessThan(43))", " 42 ", true);
    row("group separator reads 0", "range(greaterThan(41),lessThan(43))", "4,200", false);
    row("group separator is 0", "range(notLessThan(0),notGreaterThan(0))", "4,200", true);
    row("decimal reads 0", positive, "12.5", false);
    row("full-width digits read 0", positive, QStringLiteral("１２"), false);
    row("sign", positive, " +7 ", true);
    row("value beyond 32 bits reads 0", positive, "3000000000", false);
    row("value beyond 32 bits is 0", "range(notLessThan(0),lessThan(1))", "3000000000", true);
    row("smallest value", "range(unLimit,lessThan(0))", "-2147483648", true);
    row("largest value", "range(notLessThan(2147483647),unLimit)", "2147483647", true);
    row("hand-edited negative bound", "range(greaterThan(-5),unLimit)", "-4", true);
    row("bound beyond 32 bits reads 0", "range(greaterThan(99999999999),unLimit)", "1", true);
    row("missing upper bound", "range(greaterThan(5))", "6", true);
    row("empty range", "range()", "abc", true);
    row("extra part ignored", "range(notLessThan(0),notGreaterThan(100),lessThan(50))", "70", true);
    row("range is case-sensitive", "Range(unLimit,unLimit)", "1", false);
    row("blank in range name", "range (unLimit,unLimit)", "1", false);
    addTextRows();
}

void TestConditionEvaluation::storedCondition()
{
    QFETCH(QString, condition);
    QFETCH(QString, value);
    QFETCH(bool, expected);

    QCOMPARE(evaluateCondition(condition, value), expected);
    const CompiledCondition compiled(condition);
    QCOMPARE(compiled.test(value), expected);
    QCOMPARE(compiled.test(value), expected);
}

void TestConditionEvaluation::compiledConditionCopies()
{
    CompiledCondition condition(QStringLiteral("startsWith(090)"));
    const CompiledCondition copy = condition;
    condition = CompiledCondition(QStringLiteral("range(greaterThan(0),unLimit)"));
    QVERIFY(copy.test(QStringLiteral("090-1")));
    QVERIFY(!condition.test(QStringLiteral("090-1")));
    QVERIFY(condition.test(QStringLiteral("5")));
    // Without a condition string nothing passes, as with the empty string.
    QVERIFY(!CompiledCondition().test(QString()));
    QVERIFY(!CompiledCondition().test(QStringLiteral("x")));
}

QTEST_APPLESS_MAIN(TestConditionEvaluation)
#include "tst_conditionevaluation.moc"
