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
    void listLong();
    void convert();
    void encoding_data();
    void encoding();
    void statement();
    void failure();
    void outputItemMissingInTheFile();
    void unreadableSettingsFile_data();
    void unreadableSettingsFile();
    void wrongArguments_data();
    void wrongArguments();
    void outOfMemory();
    void systemLanguage_data();
    void systemLanguage();
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

void TestCliConvert::listLong()
{
    TestWorkingFolder folder;
    ConvertSetting s = twoColumns("plain");
    QVERIFY(ConvertSettingStore::save(s));
    s.name = "sjis";
    s.outputEncoding = "Shift_JIS";
    s.replaceUnencodable = true;
    QVERIFY(ConvertSettingStore::save(s));
    s.name = "odd";
    s.outputEncoding = "EUC-JP";
    s.replaceUnencodable = false;
    QVERIFY(ConvertSettingStore::save(s));
    const CliOutcome outcome = runCli({"list", "--long"});
    QCOMPARE(outcome.exitCode, 0);
    QMap<QString, QByteArray> lines;
    for (const QByteArray &line : outcome.out.split('\n'))
        lines.insert(QString::fromUtf8(line.left(line.indexOf('\t'))), line);
    QCOMPARE(lines.value("plain"), QByteArray("plain\tsystem\trefuse"));
    QCOMPARE(lines.value("sjis"), QByteArray("sjis\tShift_JIS\treplace"));
    QCOMPARE(lines.value("odd"), QByteArray("odd\tEUC-JP\trefuse"));
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
    QCOMPARE(readBytes("out.csv"),
             platformLines(QByteArray("Name,No\n\"Sato, Hanako\",1\nTanaka,2\nKato,3\n")));

    // "-": the CSV itself on standard output.
    outcome = runCli({"convert", "--setting", "names", "--output", "-", "in.csv"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, platformLines(QByteArray("Name,No\n\"Sato, Hanako\",1\nTanaka,2\n")));

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

void TestCliConvert::encoding_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output"); // of out.csv; old\n when it must stay
    QTest::addColumn<QString>("error");

    const QByteArray sjis("Name,No\n\xFB\xFC\x8B\xB4,1\n\x8E\x52\x81\xAC,2\n");
    QTest::newRow("the setting's")
        << "Shift_JIS" << true << QStringList() << 0 << sjis
        << QString::fromUtf8("1 character(s) that Shift_JIS cannot "
                             "hold were written as 〓 in 1 row(s): 3.\n");
    QTest::newRow("refused") << "Shift_JIS" << false << QStringList() << 1 << QByteArray("old\n")
                             << QString::fromUtf8("Output file cannot hold the character '😀' "
                                                  "(U+1F600) in item 'Name', row 3, in out.csv.\n");
    QTest::newRow("chosen for the run")
        << QString() << true << QStringList{"--encoding", "shift_jis"} << 0 << sjis
        << QString::fromUtf8("1 character(s) that Shift_JIS cannot hold were written as 〓 in 1 "
                             "row(s): 3.\n");
    QTest::newRow("UTF-8 with mark for the run")
        << "Shift_JIS" << false << QStringList{"--encoding", "UTF-8-BOM"} << 0
        << "\xEF\xBB\xBF" + QString::fromUtf8("Name,No\n髙橋,1\n山😀,2\n").toUtf8() << QString();
    QTest::newRow("unknown name") << QString() << false << QStringList{"--encoding", "EUC-JP"} << 2
                                  << QByteArray("old\n")
                                  << "Unknown encoding 'EUC-JP': use one of system, UTF-8, "
                                     "UTF-8-BOM, Shift_JIS.\n";
    QTest::newRow("given twice") << QString() << false
                                 << QStringList{"--encoding", "UTF-8", "--encoding", "UTF-8"} << 2
                                 << QByteArray("old\n") << QString();
}

void TestCliConvert::encoding()
{
    QFETCH(QString, stored);
    QFETCH(bool, replace);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    QFETCH(QString, error);
    TestWorkingFolder folder;
    ConvertSetting s = twoColumns("names");
    s.outputEncoding = stored;
    s.replaceUnencodable = replace;
    QVERIFY(ConvertSettingStore::save(s));
    QVERIFY(writeBytes("in.csv", QString::fromUtf8("No,Name\n1,髙橋\n2,山😀\n").toUtf8()));
    QVERIFY(writeBytes("out.csv", "old\n"));
    const CliOutcome outcome =
        runCli(QStringList{"convert", "--setting", "names", "--output", "out.csv"} + options +
               QStringList{"in.csv"});
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out, exitCode == 0 ? QByteArray("out.csv\n") : QByteArray());
    if (exitCode == 2 && error.isEmpty())
        QVERIFY(outcome.err.startsWith("Usage:"));
    else
        QCOMPARE(QString::fromUtf8(outcome.err), error);
    QCOMPARE(readBytes("out.csv"), exitCode == 0 ? platformLines(output) : output);
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

// An output item lost from the middle of the stored list is an empty column;
// the items after it are still written.
void TestCliConvert::outputItemMissingInTheFile()
{
    TestWorkingFolder folder;
    ConvertSetting s = setting("abc");
    s.forms = {firstForm({"A", "B", "C"})};
    s.heads = QStringList{"A", "B", "C"};
    s.outputItems = {inputItem("A", {0}), inputItem("B", {1}), inputItem("C", {2})};
    QVERIFY(ConvertSettingStore::save(s));
    {
        QSettings raw(QStringLiteral("rowsmith.dat"), QSettings::IniFormat);
        raw.remove(QStringLiteral("SettingInfo/abc/output/2"));
    }
    QVERIFY(writeBytes("in.csv", "A,B,C\n1,2,3\n"));

    const CliOutcome outcome =
        runCli({"convert", "--setting", "abc", "--output", "out.csv", "in.csv"});
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(readBytes("out.csv"), platformLines(QByteArray("A,,C\n1,,3\n")));
}

void TestCliConvert::unreadableSettingsFile_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("reason");
    // The folder's reason is the system's own ("Access denied." on Windows).
    QTest::newRow("a folder in its place") << true << QString();
    QTest::newRow("damaged") << false << "Some of its lines cannot be read as settings.";
}

// A settings file that cannot be read is no empty one: both commands say why
// and fail, and nothing is written.
void TestCliConvert::unreadableSettingsFile()
{
    QFETCH(bool, folder);
    QFETCH(QString, reason);
    TestWorkingFolder working;
    QVERIFY(ConvertSettingStore::save(twoColumns("names")));
    QByteArray stored = readBytes("rowsmith.dat");
    if (folder) {
        QVERIFY(QFile::remove("rowsmith.dat"));
        QVERIFY(QDir().mkdir("rowsmith.dat"));
        stored.clear();
        QFile probe("rowsmith.dat");
        QVERIFY(!probe.open(QIODevice::ReadOnly));
        reason = probe.errorString();
    } else {
        stored += "[CompanyInfo\nname=x\n";
        QVERIFY(writeBytes("rowsmith.dat", stored));
    }
    QVERIFY(writeBytes("in.csv", "No,Name\n1,Sato\n"));
    QVERIFY(writeBytes("out.csv", "old\n"));
    const QByteArray message =
        QStringLiteral("Cannot read the settings file:\n%1\n%2\n")
            .arg(QDir::toNativeSeparators(QDir::current().filePath("rowsmith.dat")), reason)
            .toUtf8();

    CliOutcome outcome = runCli({"list"});
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(outcome.err, message);

    outcome = runCli({"convert", "--setting", "names", "--output", "out.csv", "in.csv"});
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(outcome.err, message);
    QCOMPARE(readBytes("out.csv"), QByteArray("old\n"));
    QCOMPARE(readBytes("rowsmith.dat"), stored);
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

void TestCliConvert::systemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("translationInWorkingFolderOnly");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("label");

    const QString japanese =
        QStringLiteral("入力ファイルが変換設定の入力フォーマットと一致しません。\n"
                       "入力ファイルを確認してください。");
    QTest::newRow("Japanese") << "ja_JP.UTF-8" << false << japanese << "ご注文明細";
    QTest::newRow("Korean") << "ko_KR.UTF-8" << false
                            << "입력파일이 변환설정의 입력양식과 일치하지 않습니다.\n"
                               "입력파일을 확인해 주십시오."
                            << "주문 내역";
    QTest::newRow("English: source texts")
        << "en_US.UTF-8" << false
        << "Input file dose not match with setting.\nPlease check the input file(s)."
        << "Order Detail";
    QTest::newRow("Japanese, from the working folder")
        << "ja_JP.UTF-8" << true << japanese << "ご注文明細";
}

// A batch job on a Japanese system: the run's messages and the statement's
// labels as the window shows them, from languages/ beside the program or else
// in the working folder.
void TestCliConvert::systemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(bool, translationInWorkingFolderOnly);
    QFETCH(QString, error);
    QFETCH(QString, label);

    TestWorkingFolder folder;
    ConvertSetting s = twoColumns("names");
    s.statement.generate = true;
    s.statementFields[StatementFields::OrderNumber] = {true, {0}, {"No"}, {}, {}};
    QVERIFY(ConvertSettingStore::save(s));
    QVERIFY(writeBytes("in.csv", "No,Name\n1,Sato\n"));
    QVERIFY(writeBytes("other.csv", "Other,Header\n1,2\n"));

    QString program = QStringLiteral(ROWSMITH_CLI_PATH);
    QTemporaryDir programFolder;
    if (translationInWorkingFolderOnly) {
        program = programFolder.filePath(QStringLiteral("rowsmith-cli"));
        QVERIFY(QFile::copy(QStringLiteral(ROWSMITH_CLI_PATH), program));
        QVERIFY(QDir().mkdir(QStringLiteral("languages")));
        QVERIFY(QFile::copy(QStringLiteral(TEST_BUILD_DIR "/languages/lang_jp.qm"),
                            QStringLiteral("languages/lang_jp.qm")));
    }
    ProcessOptions options;
    options.workingDirectory = folder.path();
    options.environment.insert(QStringLiteral("LC_ALL"), locale);
    options.environment.insert(QStringLiteral("LANG"), locale);
    options.environment.remove(QStringLiteral("LANGUAGE"));

    const QStringList convert{"convert", "--setting", "names", "--output", "out.csv", "in.csv"};
    ProcessResult result = runProcess(program, convert + QStringList{"other.csv"}, options);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(QString::fromUtf8(result.err), error + QLatin1Char('\n'));

    result = runProcess(program, convert, options);
    QVERIFY2(result.exitCode == 0, result.err.constData());
    const ProcessResult text = runProcess(QStringLiteral("pdftotext"), {"out.pdf", "-"}, options);
    QVERIFY2(QString::fromUtf8(text.out).contains(label), text.out.constData());
}

QTEST_MAIN(TestCliConvert)
#include "tst_cli_convert.moc"
