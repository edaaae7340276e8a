#include "language/NumberText.h"
#include "language/RuleText.h"

#include <QtTest>

#include <limits>

// The call-form parsing shared by rules and conditions, and the one way
// numbers are read from text.
class TestRuleText : public QObject
{
    Q_OBJECT

private slots:
    void parts_data();
    void parts();
    void numbers_data();
    void numbers();
};

void TestRuleText::parts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("number");

    QTest::newRow("count") << "left(3)"
                           << "left"
                           << "3" << 3;
    QTest::newRow("no parentheses") << "trim"
                                    << "trim"
                                    << "trim" << 0;
    QTest::newRow("empty parentheses") << "trim()"
                                       << "trim"
                                       << "" << 0;
    QTest::newRow("nesting not tracked") << "find(contains(a),fullString,replace(b))"
                                         << "find"
                                         << "contains(a),fullString,replace(b)" << 0;
    QTest::newRow("first open, last close") << "a(b)c(d)e"
                                            << "a"
                                            << "b)c(d" << 0;
    QTest::newRow("no open") << "abc)"
                             << "abc)"
                             << "abc" << 0;
    QTest::newRow("no close") << "x(abc"
                              << "x"
                              << "abc" << 0;
    QTest::newRow("only open") << "(abc"
                               << ""
                               << "abc" << 0;
    QTest::newRow("close before open") << ")x(yz"
                                       << ")x"
                                       << "yz" << 0;
    QTest::newRow("empty") << ""
                           << ""
                           << "" << 0;
    QTest::newRow("blanks around number") << "left( 42 )"
                                          << "left"
                                          << " 42 " << 42;
    QTest::newRow("plus sign") << "left(+7)"
                               << "left"
                               << "+7" << 7;
    QTest::newRow("minus sign") << "left(-7)"
                                << "left"
                                << "-7" << -7;
    QTest::newRow("not a number") << "left(x)"
                                  << "left"
                                  << "x" << 0;
    QTest::newRow("beyond 32 bits") << "left(2147483648)"
                                    << "left"
                                    << "2147483648" << 0;
    QTest::newRow("smallest") << "left(-2147483648)"
                              << "left"
                              << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("japanese argument") << "append(様)"
                                       << "append"
                                       << "様" << 0;
}

void TestRuleText::parts()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QString, argument);
    QFETCH(int, number);

    QCOMPARE(ruleFunctionName(text), name);
    QCOMPARE(ruleArgumentText(text), argument);
    QCOMPARE(ruleArgumentNumber(text), number);
    QCOMPARE(ruleFunctionNameView(text).toString(), name);
    QCOMPARE(ruleArgumentView(text).toString(), argument);
}

void TestRuleText::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("blanks") << " 42 " << 42;
    QTest::newRow("tab and line feed") << "\t7\n" << 7;
    QTest::newRow("ideographic spaces") << QStringLiteral("　7　") << 7;
    QTest::newRow("plus") << "+42" << 42;
    QTest::newRow("minus") << "-42" << -42;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("leading zeros") << "00000000000000000000042" << 42;
    QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("one above largest") << "2147483648" << 0;
    QTest::newRow("one below smallest") << "-2147483649" << 0;
    QTest::newRow("far beyond") << "99999999999999999999999999" << 0;
    QTest::newRow("far below") << "-99999999999999999999999999" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blank") << " " << 0;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("blank after sign") << "- 5" << 0;
    QTest::newRow("two signs") << "+-5" << 0;
    QTest::newRow("decimal") << "12.5" << 0;
    QTest::newRow("group separator") << "1,000" << 0;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << 0;
    QTest::newRow("hexadecimal") << "0x10" << 0;
    QTest::newRow("exponent") << "1e3" << 0;
    QTest::newRow("inner blank") << "1 2" << 0;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("yen amount") << QStringLiteral("1200円") << 0;
    QTest::newRow("unicode minus") << QStringLiteral("\u22125") << 0;
}

void TestRuleText::numbers()
{
    QFETCH(QString, text);
    QFETCH(int, number);

    QCOMPARE(toInt32OrZero(text), number);
    QCOMPARE(toInt32OrZero(QStringView(text)), number);
}

QTEST_APPLESS_MAIN(TestRuleText)
#include "tst_ruletext.moc"
