#include "csv/CsvWriter.h"
#include "engine/ConversionRun.h"

#include "engine/EngineTestSupport.h"
#include "support/FolderSnapshot.h"
#include "support/TestWorkingFolder.h"

#include <QDir>
#include <QTextCodec>
#include <QtTest>

using namespace EngineTest;

// Each folder below data/engine/golden is one run of the convert setting
// "golden" of its rowsmith.dat over its input*.csv files to output.csv:
//   expected.csv  the output, byte for byte (LF becomes the platform's line end)
//   messages.txt  the run's errors and notices, one a line, when it has any
//   existing.csv  output.csv before the run; without expected.csv the run
//                 must fail and leave every file as it was
//   locale        the name of the system's codec for the run (else UTF-8)
class TestGolden : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106)); }
    void conversions_data();
    void conversions();
};

void TestGolden::conversions_data()
{
    QTest::addColumn<QString>("folder");
    const QDir root(dataPath(QStringLiteral("golden")));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        QTest::newRow(qPrintable(name)) << root.filePath(name);
}

void TestGolden::conversions()
{
    QFETCH(QString, folder);
    const QDir source(folder);
    const auto text = [&](const QString &name) {
        return QString::fromUtf8(readBytes(source.filePath(name)));
    };

    TestWorkingFolder work;
    QVERIFY(work.isValid());
    QVERIFY(QFile::copy(source.filePath("rowsmith.dat"), work.filePath("rowsmith.dat")));
    const QStringList inputs =
        source.entryList({QStringLiteral("input*.csv")}, QDir::Files, QDir::Name);
    for (const QString &input : inputs)
        QVERIFY(QFile::copy(source.filePath(input), work.filePath(input)));
    if (source.exists("existing.csv"))
        QVERIFY(QFile::copy(source.filePath("existing.csv"), work.filePath("output.csv")));
    const QString locale = text("locale").trimmed();
    QTextCodec::setCodecForLocale(
        QTextCodec::codecForName(locale.isEmpty() ? QByteArray("UTF-8") : locale.toLatin1()));
    const QMap<QString, QByteArray> before = folderSnapshot(work.path());

    RecordingReporter reporter;
    ConversionRun run;
    const ConversionRun::Result result =
        run.convert(inputs, QStringLiteral("output.csv"), QStringLiteral("golden"), reporter);

    QStringList messages;
    for (const QString &event : qAsConst(reporter.events)) {
        if (event.startsWith("error: ") || event.startsWith("notice: "))
            messages.append(event);
    }
    QCOMPARE(messages, text("messages.txt").split('\n', Qt::SkipEmptyParts));
    if (!source.exists("expected.csv")) {
        QVERIFY(!result.succeeded);
        QCOMPARE(folderSnapshot(work.path()), before);
        return;
    }
    QVERIFY(result.succeeded);
    QByteArray expected = readBytes(source.filePath("expected.csv"));
    // No byte of a CP932 or UTF-8 character is a line feed.
    expected.replace("\n", CsvWriter::platformLineEnd().toLatin1());
    QCOMPARE(readBytes(work.filePath("output.csv")), expected);
}

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
