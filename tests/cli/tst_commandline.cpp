#include "cli/CliRunner.h"
#include "support/ProcessRunner.h"

#include <QtTest>

// The commands' exact output bytes and exit codes; and, run as a program,
// UTF-8 whatever the locale of the caller.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void help();
    void badUsage_data();
    void badUsage();
    void programIgnoresTheLocale();
};

void TestCommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("apply one rule")
        << QStringList{"apply", "abcdef", "left(3)"} << QByteArray("abc\n");
    QTest::newRow("apply in order")
        << QStringList{"apply", "abcd", "cutLeft(1)", "left(2)"} << QByteArray("bc\n");
    QTest::newRow("apply japanese")
        << QStringList{"apply", QStringLiteral("ｶﾞｷﾞ 𡌛"), "charType(fullWidth)", "cutRight(1)"}
        << QStringLiteral("ガギ　\n").toUtf8();
    QTest::newRow("apply keeps line feeds")
        << QStringList{"apply", "abcdefgh", "breakLine(2)"} << QByteArray("ab\ncd\nef\ngh\n");
    QTest::newRow("apply to empty value")
        << QStringList{"apply", "", "append(x)"} << QByteArray("x\n");
    QTest::newRow("apply gives empty")
        << QStringList{"apply", "abc", "left(0)"} << QByteArray("\n");
    QTest::newRow("apply unknown rule")
        << QStringList{"apply", "abc", "foo"} << QByteArray("abc\n");
    QTest::newRow("test text true")
        << QStringList{"test", QStringLiteral("山田様"), QStringLiteral("endsWith(様)")}
        << QByteArray("true\n");
    QTest::newRow("test text false")
        << QStringList{"test", "Tokyo ", "equalTo(Tokyo)"} << QByteArray("false\n");
    QTest::newRow("test range true")
        << QStringList{"test", " 42 ", "range(greaterThan(41),lessThan(43))"}
        << QByteArray("true\n");
    QTest::newRow("test range false")
        << QStringList{"test", "abc", "range(greaterThan(0),unLimit)"} << QByteArray("false\n");
    QTest::newRow("test empty condition") << QStringList{"test", "", ""} << QByteArray("false\n");
}

void TestCommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);

    const CliOutcome result = runCli(arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, output);
    QCOMPARE(result.err, QByteArray());
}

void TestCommandLine::help()
{
    const CliOutcome result = runCli({"--help"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage:"));
    QVERIFY(result.out.contains("rowsmith-cli apply VALUE RULE [RULE...]"));
    QVERIFY(result.out.contains("rowsmith-cli test VALUE CONDITION"));
    QCOMPARE(result.err, QByteArray());
}

void TestCommandLine::badUsage_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown command") << QStringList{"convert-all", "x"};
    QTest::newRow("apply without rule") << QStringList{"apply", "abc"};
    QTest::newRow("apply without value") << QStringList{"apply"};
    QTest::newRow("test without condition") << QStringList{"test", "abc"};
    QTest::newRow("test with two conditions") << QStringList{"test", "abc", "contains(a)", "x"};
    QTest::newRow("help with more") << QStringList{"--help", "apply"};
    QTest::newRow("command name case") << QStringList{"Apply", "abc", "left(1)"};
}

void TestCommandLine::badUsage()
{
    QFETCH(QStringList, arguments);

    const CliOutcome result = runCli(arguments);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(result.err.startsWith("Usage:"));
    QVERIFY(result.err.contains("rowsmith-cli apply VALUE RULE [RULE...]"));
}

void TestCommandLine::programIgnoresTheLocale()
{
    // A locale without UTF-8 must not change what the program reads or writes.
    ProcessOptions options;
    options.environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    options.environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    const ProcessResult result = runCliProcess(
        {"apply", QStringLiteral("ｶﾞｷﾞ 𡌛"), "charType(fullWidth)", "cutRight(1)"}, options);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("ガギ　\n").toUtf8());
    QCOMPARE(result.err, QByteArray());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
