#include "ConversionRun.h"

#include "csv/CsvWriter.h"
#include "csv/PendingFile.h"
#include "engine/ConversionReporter.h"
#include "engine/InputRows.h"
#include "engine/InputStage.h"
#include "engine/OutputStage.h"
#include "engine/UnencodableCharacters.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "settings/Messages.h"
#include "settings/Settings.h"
#include "settings/SettingsFileCheck.h"
#include "statement/StatementBuilder.h"
#include "statement/StatementWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <memory>
#include <new>

namespace {

// With the system's reason when there is one.
QString statementError(const QString &pdfPath, const QString &reason = QString())
{
    if (reason.isEmpty())
        return Messages::tr("Cannot write statement file:\n%1.").arg(pdfPath);
    return Messages::tr("Cannot write statement file %1:\n%2.")
        .arg(QDir::toNativeSeparators(pdfPath), reason);
}

QString outputError(const QString &reason)
{
    return Messages::tr("Cannot write output file:\n%1.").arg(reason);
}

// Rows named in the report of replaced characters; more are only counted.
constexpr int ReportedRows = 10;

QString replacementReport(const UnencodableCharacters &replaced, const QString &encoding)
{
    const QVector<int> rows = replaced.rowNumbers();
    QStringList shown;
    for (int i = 0; i < rows.size() && i < ReportedRows; ++i)
        shown.append(QString::number(rows.at(i)));
    if (rows.size() > ReportedRows)
        shown.append(QStringLiteral("\u2026"));
    return Messages::tr("%1 character(s) that %2 cannot hold were written as 〓 in %3 "
                        "row(s): %4.")
        .arg(QString::number(replaced.count()), encoding, QString::number(rows.size()),
             shown.join(QStringLiteral(", ")));
}

bool sameFilePath(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

} // namespace

ConversionRun::ConversionRun(QObject *parent) : QObject(parent) {}

void ConversionRun::setOutputDevice(QIODevice *device)
{
    outputDevice_ = device;
}

void ConversionRun::setOutputEncoding(OutputEncoding::Kind encoding)
{
    encodingChosen_ = true;
    encoding_ = encoding;
}

QString ConversionRun::unencodableError(const UnencodableCharacters &found,
                                        const QString &outputFile) const
{
    const UnencodableCharacters::Row &first = found.first();
    // A lone surrogate shows as what a reader of it would see.
    const char32_t shown = QChar::isSurrogate(first.character) ? 0xFFFD : first.character;
    return Messages::tr(
               "Output file cannot hold the character '%1' (U+%2) in item '%3', row %4, in %5.")
        .arg(QString::fromUcs4(&shown, 1),
             QString::number(uint(first.character), 16)
                 .toUpper()
                 .rightJustified(4, QLatin1Char('0')),
             outputItems_.value(first.column).name, QString::number(first.row),
             QDir::toNativeSeparators(outputFile));
}

void ConversionRun::setRename(FileReplacement::Rename rename)
{
    rename_ = std::move(rename);
}

const InputTable &ConversionRun::inputTable() const
{
    return inputTable_;
}

const QList<OutputItem> &ConversionRun::outputItems() const
{
    return outputItems_;
}

int ConversionRun::outputRowCount() const
{
    return outputRowCount_;
}

const StatementList &ConversionRun::statements() const
{
    return statements_;
}

QString ConversionRun::statementFileFor(const QString &outputFile)
{
    // Only the file name's own ending is replaced: a folder named "x.csv" stays.
    const QLatin1String csv(".csv");
    int nameStart = outputFile.lastIndexOf(QLatin1Char('/')) + 1;
#ifdef Q_OS_WIN
    nameStart = qMax(nameStart, outputFile.lastIndexOf(QLatin1Char('\\')) + 1);
#endif
    if (outputFile.size() - nameStart >= csv.size() &&
        outputFile.endsWith(csv, Qt::CaseInsensitive))
        return outputFile.left(outputFile.size() - csv.size()) + QLatin1String(".pdf");
    // Without a ".csv" to replace, the statement must not land on the CSV itself.
    return outputFile + QLatin1String(".pdf");
}

bool ConversionRun::canWriteStatement(const QString &pdfPath, const QStringList &inputFiles)
{
    // An input file is never written over, not even by the statement; and
    // painting needs the fonts of a GUI application, which a headless host
    // may not have made.
    const QFileInfo target(pdfPath);
    const bool canPaint = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    return canPaint && !namesInputFile(pdfPath, inputFiles) && !target.isDir() &&
           target.absoluteDir().exists();
}

bool ConversionRun::namesInputFile(const QString &path, const QStringList &inputFiles)
{
    const QFileInfo target(path);
    if (!target.exists())
        return false;
    const QString canonical = target.canonicalFilePath();
    for (const QString &input : inputFiles) {
        const QString other = QFileInfo(input).canonicalFilePath();
        if (!other.isEmpty() && sameFilePath(other, canonical))
            return true;
    }
    return false;
}

ConversionRun::Result ConversionRun::convert(const QStringList &inputFiles,
                                             const QString &outputFile, const QString &settingName,
                                             ConversionReporter &reporter)
{
    // A run that meets a memory limit ends like any failed run: one message,
    // and the files it would have replaced left as they were.
    try {
        return checkAndRun(inputFiles, outputFile, settingName, reporter);
    } catch (const std::bad_alloc &) {
        reporter.showError(Messages::tr("Not enough memory to convert the input files."));
        return Result();
    }
}

ConversionRun::Result ConversionRun::checkAndRun(const QStringList &inputFiles,
                                                 const QString &outputFile,
                                                 const QString &settingName,
                                                 ConversionReporter &reporter)
{
    Result result;
    reporter.showStatus(Messages::tr("Checking all fields..."));
    if (inputFiles.isEmpty()) {
        reporter.showError(Messages::tr("Input file is required."));
        return result;
    }
    if (outputFile.isEmpty()) {
        reporter.showError(Messages::tr("Output file is required."));
        return result;
    }
    if (namesInputFile(outputFile, inputFiles)) {
        reporter.showError(Messages::tr("Output file must not be one of the input files."));
        return result;
    }
    // Nor the settings file the run is about to read, under any name.
    if (namesInputFile(outputFile, {Settings::filePath()})) {
        reporter.showError(Messages::tr("Output file must not be the settings file."));
        return result;
    }
    if (settingName.isEmpty()) {
        reporter.showError(Messages::tr("Choose a convert setting."));
        return result;
    }

    reporter.showStatus(Messages::tr("Loading settings..."));
    // A file that cannot be read would pass for one without the setting.
    const SettingsFileCheck settingsFile = SettingsFileCheck::now();
    if (!settingsFile.isReadable()) {
        reporter.showError(settingsFile.message());
        return result;
    }
    // The whole setting is read here, once: nothing changes the file while the
    // run holds the thread.
    return run(inputFiles, outputFile,
               ConvertSettingStore::load(settingName, ConvertSettingStore::Defaults::Run),
               reporter);
}

ConversionRun::Result ConversionRun::run(const QStringList &inputFiles, const QString &outputFile,
                                         const ConvertSetting &setting,
                                         ConversionReporter &reporter)
{
    Result result;
    const QList<InputForm> &forms = setting.forms;
    const StatementOptions &options = setting.statement;
    const bool generateStatement = options.generate;
    if (generateStatement && outputDevice_) {
        reporter.showError(Messages::tr(
            "The statement needs an output file: the setting cannot write to standard output."));
        return result;
    }
    // The statement lies beside a file; a FIFO or a device has no "beside".
    if (generateStatement && PendingFile::isStreamTarget(outputFile)) {
        reporter.showError(
            Messages::tr(
                "The statement goes beside the output file, which must be a regular file:\n%1.")
                .arg(QDir::toNativeSeparators(outputFile)));
        return result;
    }
    // The statement's place is checked before anything is read or written.
    const QString pdfPath = generateStatement ? statementFileFor(outputFile) : QString();
    if (generateStatement &&
        !canWriteStatement(pdfPath, inputFiles + QStringList{Settings::filePath()})) {
        reporter.showError(statementError(pdfPath));
        return result;
    }

    OutputEncoding::Kind encoding = encoding_;
    if (!encodingChosen_ && !OutputEncoding::fromName(setting.outputEncoding, &encoding)) {
        reporter.showError(Messages::tr("The convert setting names an unknown output encoding: %1.")
                               .arg(setting.outputEncoding));
        return result;
    }
    const bool replaceUnencodable = setting.replaceUnencodable;

    reporter.showStatus(Messages::tr("Processing input file(s)..."));
    if (forms.isEmpty()) {
        reporter.showError(Messages::tr(
            "There is no input file information in setting. Please check convert settings."));
        return result;
    }
    InputRows inputRows;
    {
        InputStage input(inputFiles, inputTable_, inputRows, reporter);
        const bool read = forms.size() == 1 ? input.readSingleForm(forms.constFirst())
                                            : input.readSeveralForms(forms);
        if (!read)
            return result;
    }

    reporter.showStatus(Messages::tr("Generating output file..."));
    outputItems_ = setting.outputItems;
    const QList<OutputItem> &items = outputItems_;
    // Nothing changes the settings file while a run holds the thread, so one
    // copy of the company values serves every row and the statement.
    const CompanyInfo company = CompanyInfo::read();

    std::unique_ptr<CsvWriter> writerOwner = outputDevice_
                                                 ? std::make_unique<CsvWriter>(outputDevice_)
                                                 : std::make_unique<CsvWriter>(outputFile);
    CsvWriter &writer = *writerOwner;
    writer.setEncoding(encoding);
    if (!writer.open()) {
        // A folder, socket or the like in the output's place is refused, not
        // replaced.
        const QFileInfo target(outputFile);
        const bool refused = !outputDevice_ && target.exists() && !target.isFile();
        // Two whole calls, so that lupdate finds both texts.
        const QString message = refused ? Messages::tr("Cannot write output file:\n%1.")
                                        : Messages::tr("Cannot open output file:\n%1.");
        reporter.showError(message.arg(writer.errorString()));
        return result;
    }
    QStringList names;
    names.reserve(items.size());
    for (const OutputItem &item : items)
        names.append(item.name);
    // Nothing the encoding cannot hold is written unless the setting lets
    // 〓 stand in for it: the run stops before the new file replaces anything.
    UnencodableCharacters unencodable;
    if (const int lost = writer.writeHeader(names)) {
        UnencodableCharacters::Row header{1, lost, -1, 0};
        for (int c = 0; c < names.size() && header.column < 0; ++c) {
            const qsizetype at = writer.lineFormat().encoder().unencodableAt(names.at(c));
            if (at >= 0) {
                header.column = c;
                header.character = OutputEncoder::characterAt(names.at(c), at);
            }
        }
        unencodable.add(header);
        if (!replaceUnencodable) {
            reporter.showError(unencodableError(unencodable, outputFile));
            return result;
        }
    }

    const int lastRow = inputRows.size();
    int progress = 0;
    reporter.setProgressRange(0, lastRow);
    reporter.showProgress();

    outputRowCount_ = 0;
    reporter.showStatus(Messages::tr("Start converting..."));

    std::unique_ptr<StatementBuilder> statementBuilder;
    if (generateStatement) {
        statements_.clear();
        for (int field = 0; field < StatementFields::Count; ++field)
            statements_.setPrinted(field, setting.statementFields.value(field).toPrint);
        statements_.setCompanyFlags(options);
        statements_.setLineLimit(StatementWriter::lineLimit());
        statementBuilder = std::make_unique<StatementBuilder>(setting.statementFields);
    }

    // Each input row is let go once its output line and record are built, and
    // a line waits only behind a group of rows not yet complete: the run never
    // holds every input row and every output row at once.
    OutputStage output(items, company);
    if (statementBuilder)
        output.setStatements(statementBuilder.get(), &statements_);
    output.setStopAtUnencodable(!replaceUnencodable);
    output.convert(inputRows.rows(), writer, [&] { reporter.setProgressValue(++progress); });
    if (output.stopped()) {
        reporter.showError(unencodableError(output.unencodable(), outputFile));
        return result;
    }

    reporter.showStatus(Messages::tr("Deleting duplication and merging items..."));
    outputRowCount_ = output.rowCount();
    const int m = outputRowCount_;
    reporter.setProgressRange(0, lastRow + (generateStatement ? 2 * m + 1 : m));
    if (!output.writeKept(writer, [&] { reporter.setProgressValue(++progress); })) {
        reporter.showError(outputError(output.errorString()));
        return result;
    }
    if (output.stopped()) {
        reporter.showError(unencodableError(output.unencodable(), outputFile));
        return result;
    }
    unencodable.add(output.unencodable());
    if (progress < lastRow + m)
        reporter.setProgressValue(progress = lastRow + m);
    // Both files are complete before either takes the place of what was there:
    // a failure leaves the old output and the old statement as they were.
    StatementWriter statementWriter(statements_, options, company);
    if (generateStatement) {
        reporter.showStatus(Messages::tr("Creating PDF file..."));
        statements_.computeTotals();
        statementWriter.setProgressCallback([&] { reporter.setProgressValue(++progress); });
        statementWriter.setSavingCallback(
            [&] { reporter.showStatus(Messages::tr("Saving PDF file...")); });
        if (!statementWriter.prepare(pdfPath)) {
            reporter.showError(statementError(pdfPath, statementWriter.errorString()));
            return result;
        }
    }
    if (!writer.finish()) {
        reporter.showError(outputError(writer.errorString()));
        return result;
    }
    // Both files take their places together, or neither does.
    FileReplacement replacement(rename_);
    for (const PendingFile *file : {writer.pendingFile(), statementWriter.pendingFile()}) {
        if (file && !file->isDirect())
            replacement.add(file->stagedPath(), file->target());
    }
    if (!replacement.commit()) {
        const bool statementFailed =
            generateStatement &&
            replacement.failedTarget() == statementWriter.pendingFile()->target();
        reporter.showError(statementFailed ? statementError(pdfPath, replacement.errorString())
                                           : outputError(replacement.errorString()));
        return result;
    }
    result.outputFile = outputFile;
    if (generateStatement) {
        reporter.setProgressValue(++progress);
        result.statementWritten = true;
        result.statementFile = pdfPath;
    }

    reporter.showStatus(Messages::tr("Converting succeeded."));
    if (!unencodable.isEmpty())
        reporter.showNotice(replacementReport(unencodable, writer.lineFormat().encoder().name()));
    result.succeeded = true;
    return result;
}
