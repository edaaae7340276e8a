#include "cli/CliRunner.h"
#include "engine/EngineTestSupport.h"
#include "support/ProcessRunner.h"
#include "support/TestWorkingFolder.h"

#include <QtTest>

using namespace EngineTest;

namespace {

ConvertSetting twoColumns(const QString &name)
{
    ConvertSetting s = setting(name);
    s.forms = {firstForm({"No", "Name"})};
    s.heads = QStringList{"No", "Name"};
    s.outputItems = {inputItem("Name", {1}), inputItem("No", {0})};
    return s;
}

} // namespace

class TestCliConvert : public QObject
{
    Q_OBJECT
private slots:
    void list();
    void convert();
    void statement();
    void failure();
    void wrongArguments_data();
    void wrongArguments();
    void outOfMemory();
};

void TestCliConvert::list()
{
    TestWorkingFolder folder;
    QCOMPARE(runCli({"list"}).out, QByteArray());
    QVERIFY(ConvertSettingStore::save(twoColumns("beta")));
    QVERIFY(ConvertSettingStore::save(twoColumns(QString::fromUtf8("注文"))));
    QVERIFY(ConvertSettingStore::save(twoColumns("alpha")));
    const CliOutcome outcome = runCli({"list"});
    QCOMPARE(outcome.exitCode, 0);
    QByteArray expected;
    for (const QString &name : ConvertSettingStore::settingNames())
        expected += name.toUtf8() + '\n';
    QCOMPARE(outcome.out, expected);
    QCOMPARE(outcome.out.count('\n'), 3);
}

void TestCliConvert::convert()
{
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(twoColumns("names")));
    QVERIFY(writeBytes("in.csv", "No,Name\r\n1,\"Sato, Hanako\"\r\n2,Tanaka\r\n"));
    QVERIFY(writeBytes("more.csv", "No,Name\n3,Kato\n"));

    CliOutcome outcome =
        runCli({"convert", "--setting", "names", "--output", "out.csv", "in.csv", "more.csv"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QByteArray("out.csv\n"));
    QCOMPARE(outcome.err, QByteArray());
    QCOMPARE(readBytes("out.csv"), QByteArray("Name,No\n\"Sato, Hanako\",1\nTanaka,2\nKato,3\n"));

    // "-": the CSV itself on standard output.
    outcome = runCli({"convert", "--setting", "names", "--output", "-", "in.csv"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QByteArray("Name,No\n\"Sato, Hanako\",1\nTanaka,2\n"));

    outcome =
        runCli({"convert", "--verbose", "--output", "again.csv", "--setting", "names", "in.csv"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QByteArray("again.csv\n"));
    QCOMPARE(outcome.err, QByteArray("Checking all fields...\nLoading settings...\n"
                                     "Processing input file(s)...\nGenerating output file...\n"
                                     "Start converting...\n"
                                     "Deleting duplication and merging items...\n"
                                     "Converting succeeded.\n"));
}

void TestCliConvert::statement()
{
    TestWorkingFolder folder;
    ConvertSetting s = twoColumns("names");
    s.statement.generate = true;
    s.statementFields[StatementFields::Name].toPrint = true;
    s.statementFields[StatementFields::Name].mapNums = {1};
    QVERIFY(ConvertSettingStore::save(s));
    QVERIFY(writeBytes("in.csv", "No,Name\n1,Sato\n2,Tanaka\n"));
    const CliOutcome outcome =
        runCli({"convert", "--setting", "names", "--output", "out.csv", "in.csv"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QByteArray("out.csv\nout.pdf\n"));
    QVERIFY(readBytes("out.pdf").startsWith("%PDF"));

    // A statement goes beside an output file: standard output cannot take it.
    const QStringList before = QDir().entryList(QDir::Files);
    const CliOutcome piped = runCli({"convert", "--setting", "names", "--output", "-", "in.csv"});
    QCOMPARE(piped.exitCode, 1);
    QCOMPARE(piped.out, QByteArray());
    QCOMPARE(piped.err, QByteArray("The statement needs an output file: the setting cannot "
                                   "write to standard output.\n"));
    QCOMPARE(QDir().entryList(QDir::Files), before);
}

void TestCliConvert::failure()
{
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(twoColumns("names")));
    QVERIFY(writeBytes("in.csv", "Other,Header\n1,2\n"));
    QVERIFY(writeBytes("out.csv", "old\n"));
    CliOutcome outcome = runCli({"convert", "--setting", "names", "--output", "out.csv", "in.csv"});
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(outcome.err, QByteArray("Input file dose not match with setting.\n"
                                     "Please check the input file(s).\n"));
    QCOMPARE(readBytes("out.csv"), QByteArray("old\n"));

    outcome = runCli({"convert", "--setting", "names", "--output", "in.csv", "in.csv"});
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.err, QByteArray("Output file must not be one of the input files.\n"));
    QCOMPARE(readBytes("in.csv"), QByteArray("Other,Header\n1,2\n"));
}

void TestCliConvert::wrongArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no inputs") << QStringList{"convert", "--setting", "s", "--output", "o.csv"};
    QTest::newRow("no setting") << QStringList{"convert", "--output", "o.csv", "a", "b", "c"};
    QTest::newRow("no output") << QStringList{"convert", "--setting", "s", "a", "b", "c"};
    QTest::newRow("option without value")
        << QStringList{"convert", "in.csv", "--setting", "s", "in.csv", "--output"};
    QTest::newRow("unknown option")
        << QStringList{"convert", "--setting", "s", "--output", "o.csv", "--fast", "in.csv"};
    QTest::newRow("setting twice") << QStringList{"convert", "--setting", "s",     "--setting",
                                                  "t",       "--output",  "o.csv", "in.csv"};
    QTest::newRow("list with an argument") << QStringList{"list", "extra"};
}

void TestCliConvert::wrongArguments()
{
    QFETCH(QStringList, arguments);
    TestWorkingFolder folder;
    const CliOutcome outcome = runCli(arguments);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QByteArray());
    QVERIFY(outcome.err.contains("Usage:"));
    QVERIFY(!QFileInfo::exists("o.csv"));
}

void TestCliConvert::outOfMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer needs more address space than the limit leaves");
#endif
    TestWorkingFolder folder;
    ConvertSetting s = setting("one");
    s.forms = {firstForm({"A"})};
    s.heads = QStringList{"A"};
    s.outputItems = {inputItem("A", {0})};
    QVERIFY(ConvertSettingStore::save(s));
    QVERIFY(writeBytes("big.csv", "A\n" + QByteArray("1\n").repeated(6000000)));
    QVERIFY(writeBytes("out.csv", "old\n"));
    // Six million rows do not fit in 250 MB of address space.
    ProcessOptions options;
    options.workingDirectory = folder.path();
    const ProcessResult result =
        runProcess("/bin/sh",
                   {"-c", "ulimit -v 250000 && exec \"$0\" \"$@\"", ROWSMITH_CLI_PATH, "convert",
                    "--setting", "one", "--output", "out.csv", "big.csv"},
                   options);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QByteArray("Not enough memory to convert the input files.\n"));
    QCOMPARE(readBytes("out.csv"), QByteArray("old\n"));
}

QTEST_MAIN(TestCliConvert)
#include "tst_cli_convert.moc"
