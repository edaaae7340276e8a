#include "support/ProcessRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {

const QString SourceFolder = QStringLiteral(TEST_SOURCE_DIR "/docs/manual");
const QString BuiltFolder = QStringLiteral(TEST_BUILD_DIR "/manual");
const QString CompiledHelp = QStringLiteral(TEST_BUILD_DIR "/rowsmith.chm");

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList found;
    auto matches = QRegularExpression(pattern).globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured(1);
    return found;
}

// The pages in the order of the table of contents.
QStringList contents()
{
    return captures(readText(SourceFolder + QStringLiteral("/toc.hhc")),
                    QStringLiteral("name=\"Local\" value=\"([^\"]+)\""));
}

// The files that chmls lists in the compiled help, without the leading "/".
QStringList compiledFiles()
{
    const ProcessResult listing =
        runProcess(QStringLiteral(TEST_CHMLS), {QStringLiteral("list"), CompiledHelp});
    return captures(QString::fromUtf8(listing.out), QStringLiteral("(?m)\\s/([^#$:\\s][^\\s]*)$"));
}

} // namespace

class ManualTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pages_data();
    void pages();
    void everyErrorExplained_data();
    void everyErrorExplained();
};

void ManualTest::pages_data()
{
    QTest::addColumn<QString>("page");
    const QStringList pages = contents();
    QVERIFY(pages.size() >= 7);
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page;
}

// Each page of the contents is delivered in manual/ and in rowsmith.chm, and
// every link and picture on it leads somewhere.
void ManualTest::pages()
{
    QFETCH(QString, page);

    const QString html = readText(BuiltFolder + QLatin1Char('/') + page);
    QVERIFY2(!html.isEmpty(), qPrintable(page + QStringLiteral(" is not in manual/")));
    const QStringList targets = captures(html, QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString &target : targets) {
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        const QString anchor = target.section(QLatin1Char('#'), 1);
        const QString path = BuiltFolder + QLatin1Char('/') + (file.isEmpty() ? page : file);
        QVERIFY2(QFileInfo::exists(path), qPrintable(target));
        if (!anchor.isEmpty())
            QVERIFY2(readText(path).contains(QStringLiteral("id=\"%1\"").arg(anchor)),
                     qPrintable(target));
    }

    if (!QFileInfo::exists(QStringLiteral(TEST_CHMLS)))
        QSKIP("chmls is missing (package fp-utils)");
    const QStringList compiled = compiledFiles();
    QVERIFY2(compiled.contains(page), qPrintable(compiled.join(QLatin1Char(' '))));
    for (const QString &target : targets) {
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        if (!file.isEmpty())
            QVERIFY2(compiled.contains(file), qPrintable(file + QStringLiteral(" not compiled")));
    }
}

void ManualTest::everyErrorExplained_data()
{
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("message");

    const QStringList run{
        "Input file is required.",
        "Output file is required.",
        "Choose a convert setting.",
        "Output file must not be one of the input files.",
        "Output file must not be the settings file.",
        "Cannot read the settings file:\n%1\n%2",
        "Some of its lines cannot be read as settings.",
        "There is no input file information in setting. Please check convert settings.",
        "Cannot open input file:\n%1.",
        "Input file has a malformed record:\n%1 (line %2).",
        "Input file dose not match with setting.\nPlease check the input file(s).",
        "Number of input files is not matched with setting.",
        "Cannot find proper source file.",
        "Cannot open output file:\n%1.",
        "Cannot write output file:\n%1.",
        "Cannot write statement file:\n%1.",
        "Cannot write statement file %1:\n%2.",
        "The statement goes beside the output file, which must be a regular file:\n%1.",
        "Not enough memory to convert the input files.",
        "The statement needs an output file: the setting cannot write to standard output.",
        "Input file mixes text encodings:\n%1 (line %2).",
        "Input file has bytes that are not text in %3:\n%1 (line %2).",
        "An error has occurred"};
    for (const QString &message : run)
        QTest::newRow(qPrintable(message.section(QLatin1Char('\n'), 0, 0)))
            << "lang_jp"
            << "MainWindow" << message;
    QTest::newRow("rule text") << "lang_jp"
                               << "RuleDialog"
                               << "Character ',' cannot be included.";
    QTest::newRow("merge") << "lang_jp"
                           << "MergeDialog"
                           << "Select new line code.";
    const QList<QPair<const char *, const char *>> dialogs{
        {"ConvertSettingDialog", "Input file has no header line:\n%1."},
        {"ConvertSettingDialog", "Name must not contain '/' or '\\'."},
        {"ConvertSettingDialog", "A convert setting named '%1' already exists.\nReplace it?"},
        {"ConvertSettingDialog", "The convert setting has changed.\nDiscard the changes?"},
        {"ConfigDialog", "The company information has changed.\nDiscard the changes?"},
        {"ConfigDialog", "Delete the convert setting '%1'?"},
        {"ConfigDialog", "Cannot delete the convert setting '%1'."},
        {"ConfigDialog", "Cannot write the settings file '%1'."},
        {"PdfSetModel", "Cannot assign rules for '%1'"}};
    for (const auto &[context, message] : dialogs)
        QTest::newRow(message) << "lang_jp" << context << message;

    const QStringList updater{"You are using latest version of Rowsmith.",
                              "Failed to retrieve version information from the server.",
                              "The version information from the server could not be verified.",
                              "Failed to download file '%1': %2",
                              "The server stopped responding.",
                              "Invalid file name in version information: '%1'",
                              "Cannot create folder in temp folder",
                              "Failed to save downloaded file '%1'",
                              "Downloaded file '%1' is damaged.",
                              "Failed to create temporary file '%1'",
                              "Failed to copy downloaded file '%1'",
                              "Some files of the previous version could not be put back. "
                              "Please install Rowsmith again.",
                              "You canceled update process."};
    for (const QString &message : updater)
        QTest::newRow(qPrintable(message)) << "lang_updater_jp"
                                           << "UpdateDialog" << message;
}

// The error page quotes every failure message as the Japanese program shows
// it, so a changed translation must change the page too.
void ManualTest::everyErrorExplained()
{
    QFETCH(QString, translation);
    QFETCH(QString, context);
    QFETCH(QString, message);

    QTranslator translator;
    QVERIFY(translator.load(translation, QStringLiteral(TEST_BUILD_DIR "/languages")));
    const QString shown = translator.translate(qPrintable(context), qPrintable(message));
    QVERIFY2(!shown.isEmpty(), qPrintable(message));

    const QString page = readText(SourceFolder + QStringLiteral("/errors.html"));
    const QStringList pieces = shown.split(QRegularExpression(QStringLiteral("%\\d+|\\n")));
    for (const QString &piece : pieces) {
        if (!piece.trimmed().isEmpty())
            QVERIFY2(page.contains(piece.trimmed()), qPrintable(piece));
    }
}

QTEST_GUILESS_MAIN(ManualTest)
#include "tst_manual.moc"
