#include "language/RuleDescription.h"

#include <QFile>
#include <QTranslator>
#include <QtTest>

namespace {

QString rulesPage()
{
    QFile file(QStringLiteral(TEST_SOURCE_DIR "/docs/manual/rules.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The table row of the page that shows the stored string as code.
QString rowOf(const QString &page, const QString &stored)
{
    const QString code = QStringLiteral("<code>%1</code>").arg(stored.toHtmlEscaped());
    const int at = page.indexOf(code);
    if (at < 0)
        return QString();
    const int start = page.lastIndexOf(QLatin1String("<tr>"), at);
    return page.mid(start, page.indexOf(QLatin1String("</tr>"), at) - start);
}

} // namespace

class RuleDescriptionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void describes_data();
    void describes();
    void manualExplainsEveryExample_data();
    void manualExplainsEveryExample();
};

void RuleDescriptionTest::describes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    const auto rule = [](const char *name, const char *stored, const char *expected) {
        QTest::newRow(name) << "rule" << QString::fromUtf8(stored) << QString::fromUtf8(expected);
    };
    rule("left", "left(10)", "Keep the first 10 characters");
    rule("count not a number", "cutRight(x)", "Delete the last 0 characters");
    rule("break", "breakLine(5)", "Break the line every 5 characters");
    rule("new line", "newLine(REMOVE)", "Delete new lines, making one line");
    rule("unknown new line", "newLine(lf)", "Unknown rule, changes nothing: newLine(lf)");
    rule("insert with parentheses", "prepend((x))", "Insert “(x)” at the start");
    rule("blanks with parentheses", "simplified()",
         "Delete blanks at the start and end, and make each run of blanks one space");
    rule("keep matching", "find(contains(-),fullString,print)",
         "Keep the value only if it contains “-”");
    rule("empty matching", "find(equalTo(N/A),fullString,delete)",
         "Empty the value if it equals “N/A”");
    rule("whole replaced", "find(equalTo(N/A),fullString,replace(0))",
         "Make the value “0” if it equals “N/A”");
    rule("every occurrence", "find(contains(-),matchedString,delete)", "Delete every “-”");
    rule("leading", "find(startsWith(0),matchedString,replace(+81))",
         "Replace the leading “0” with “+81”");
    rule("trailing", "find(endsWith(様),matchedString,delete)", "Delete the trailing “様”");
    rule("negated test replaces every occurrence",
         "find(notStartsWith(A),matchedString,replace(B))",
         "If the value does not start with “A”, replace every “A” with “B”");
    rule("negated test empties", "find(notContains(x),matchedString,delete)",
         "Empty the value if it does not contain “x”");
    rule("matched part kept", "find(contains(x),matchedString,print)",
         "Make the value “x” if it contains “x”");
    rule("unknown test empties when keeping", "find(between(1),fullString,print)",
         "Empty every value (unknown test)");
    rule("unknown scope", "find(contains(a),middle,print)",
         "Unknown rule, changes nothing: find(contains(a),middle,print)");
    rule("character type", "charType(hirakana)", "Convert to hiragana");

    const auto condition = [](const char *name, const char *stored, const char *expected) {
        QTest::newRow(name) << "condition" << QString::fromUtf8(stored)
                            << QString::fromUtf8(expected);
    };
    condition("text", "equalTo(代金引換)", "Payment equals “代金引換”");
    condition("range", "range(notLessThan(1000),lessThan(5000))",
              "Payment is a number 1000 or more, under 5000");
    condition("upper name in the lower place is no bound", "range(lessThan(5),notGreaterThan(9))",
              "Payment is a number 9 or less");
    condition("no bounds", "range(unLimit,unLimit)", "Payment: any value");
    condition("no test", "", "Payment: no test set, never true");

    QTest::newRow("string merge") << "merge"
                                  << "STRING\n、"
                                  << "Join as text (、)";
    QTest::newRow("line merge") << "merge"
                                << "STRING\n\r\n"
                                << "Join as text (new line CRLF)";
    QTest::newRow("sum") << "merge"
                         << "NUMBER\n"
                         << "Sum";
    QTest::newRow("no merge") << "merge"
                              << "NO\n"
                              << "";
}

void RuleDescriptionTest::describes()
{
    QFETCH(QString, kind);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QString shown;
    if (kind == QLatin1String("rule"))
        shown = RuleDescription::rule(stored);
    else if (kind == QLatin1String("condition"))
        shown = RuleDescription::condition(QStringLiteral("Payment"), stored);
    else
        shown = RuleDescription::merge(stored.section(QLatin1Char('\n'), 0, 0),
                                       stored.section(QLatin1Char('\n'), 1));
    QCOMPARE(shown, expected);
}

void RuleDescriptionTest::manualExplainsEveryExample_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("description");
    QTranslator translator;
    QVERIFY(
        translator.load(QStringLiteral("lang_jp"), QStringLiteral(TEST_BUILD_DIR "/languages")));
    QCoreApplication::installTranslator(&translator);
    for (const QString &stored : RuleDescription::ruleExamples())
        QTest::newRow(qPrintable(stored)) << stored << RuleDescription::rule(stored);
    const QString tested = QStringLiteral("値");
    for (const QString &stored : RuleDescription::conditionExamples())
        QTest::newRow(qPrintable(stored)) << stored << RuleDescription::condition(tested, stored);
    QCoreApplication::removeTranslator(&translator);
}

// The manual lists each stored string with the words the tables and tool tips
// show for it, so the two cannot drift apart.
void RuleDescriptionTest::manualExplainsEveryExample()
{
    QFETCH(QString, stored);
    QFETCH(QString, description);
    const QString row = rowOf(rulesPage(), stored);
    QVERIFY2(!row.isEmpty(), qPrintable(stored + QStringLiteral(" is not in rules.html")));
    QVERIFY2(row.contains(description.toHtmlEscaped()),
             qPrintable(QStringLiteral("<tr><td><code>%1</code></td><td>%2</td>")
                            .arg(stored.toHtmlEscaped(), description.toHtmlEscaped())));
}

QTEST_GUILESS_MAIN(RuleDescriptionTest)
#include "tst_ruledescription.moc"
