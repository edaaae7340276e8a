#include "ConversionRun.h"

#include "csv/CsvWriter.h"
#include "csv/PendingFile.h"
#include "engine/ConversionReporter.h"
#include "engine/InputRows.h"
#include "engine/InputStage.h"
#include "engine/OutputStage.h"
#include "engine/RunProgress.h"
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
        .arg(QDir::toNativeSeparators(pdfPath), Messages::reason(reason));
}

QString outputError(const QString &reason)
{
    return Messages::tr("Cannot write output file:\n%1.").arg(Messages::reason(reason));
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

// What one run's stages hand on to the next.
struct ConversionRun::Pass
{
    Pass(const QStringList &inputFiles, const QString &outputFile, const ConvertSetting &setting,
         ConversionReporter &reporter)
        : inputFiles(inputFiles), outputFile(outputFile), setting(setting), reporter(reporter),
          progress(reporter)
    {}

    bool makesStatement() const { return setting.statement.generate; }

    const QStringList &inputFiles;
    const QString &outputFile;
    const ConvertSetting &setting;
    ConversionReporter &reporter;
    RunProgress progress;
    QString pdfPath; // the statement's, when the setting makes one
    OutputEncoding::Kind encoding = OutputEncoding::System;
    InputRows inputRows;
    // Nothing changes the settings file while a run holds the thread, so one
    // copy of the company values serves every row and the statement.
    CompanyInfo company;
    std::unique_ptr<CsvWriter> writer;
    // Nothing the encoding cannot hold is written unless the setting lets
    // 〓 stand in for it: the run stops before the new file replaces anything.
    UnencodableCharacters unencodable;
    std::unique_ptr<StatementBuilder> statementBuilder;
    std::unique_ptr<StatementWriter> statementWriter;
};

ConversionRun::Result ConversionRun::run(const QStringList &inputFiles, const QString &outputFile,
                                         const ConvertSetting &setting,
                                         ConversionReporter &reporter)
{
    Pass pass(inputFiles, outputFile, setting, reporter);
    if (!checkStatementPlace(pass) || !chooseEncoding(pass) || !readInput(pass) ||
        !openOutput(pass) || !writeHeader(pass))
        return Result();
    startRows(pass);
    if (!writeRows(pass) || !prepareStatement(pass) || !replaceFiles(pass))
        return Result();
    return succeed(pass);
}

// The statement's place is checked before anything is read or written.
bool ConversionRun::checkStatementPlace(Pass &pass) const
{
    if (!pass.makesStatement())
        return true;
    if (outputDevice_) {
        pass.reporter.showError(Messages::tr(
            "The statement needs an output file: the setting cannot write to standard output."));
        return false;
    }
    // The statement lies beside a file; a FIFO or a device has no "beside".
    if (PendingFile::isStreamTarget(pass.outputFile)) {
        pass.reporter.showError(
            Messages::tr(
                "The statement goes beside the output file, which must be a regular file:\n%1.")
                .arg(QDir::toNativeSeparators(pass.outputFile)));
        return false;
    }
    pass.pdfPath = statementFileFor(pass.outputFile);
    if (!canWriteStatement(pass.pdfPath, pass.inputFiles + QStringList{Settings::filePath()})) {
        pass.reporter.showError(statementError(pass.pdfPath));
        return false;
    }
    return true;
}

bool ConversionRun::chooseEncoding(Pass &pass) const
{
    pass.encoding = encoding_;
    if (encodingChosen_ || OutputEncoding::fromName(pass.setting.outputEncoding, &pass.encoding))
        return true;
    pass.reporter.showError(
        Messages::tr("The convert setting names an unknown output encoding: %1.")
            .arg(pass.setting.outputEncoding));
    return false;
}

bool ConversionRun::readInput(Pass &pass)
{
    const QList<InputForm> &forms = pass.setting.forms;
    pass.reporter.showStatus(Messages::tr("Processing input file(s)..."));
    if (forms.isEmpty()) {
        pass.reporter.showError(Messages::tr(
            "There is no input file information in setting. Please check convert settings."));
        return false;
    }
    InputStage input(pass.inputFiles, inputTable_, pass.inputRows, pass.reporter);
    return forms.size() == 1 ? input.readSingleForm(forms.constFirst())
                             : input.readSeveralForms(forms);
}

bool ConversionRun::openOutput(Pass &pass)
{
    pass.reporter.showStatus(Messages::tr("Generating output file..."));
    outputItems_ = pass.setting.outputItems;
    pass.company = CompanyInfo::read();
    pass.writer = outputDevice_ ? std::make_unique<CsvWriter>(outputDevice_)
                                : std::make_unique<CsvWriter>(pass.outputFile);
    pass.writer->setEncoding(pass.encoding);
    if (pass.writer->open())
        return true;
    // A folder, socket or the like in the output's place is refused, not
    // replaced.
    const QFileInfo target(pass.outputFile);
    const bool refused = !outputDevice_ && target.exists() && !target.isFile();
    // Two whole calls, so that lupdate finds both texts.
    const QString message = refused ? Messages::tr("Cannot write output file:\n%1.")
                                    : Messages::tr("Cannot open output file:\n%1.");
    pass.reporter.showError(message.arg(Messages::reason(pass.writer->errorString())));
    return false;
}

bool ConversionRun::writeHeader(Pass &pass) const
{
    QStringList names;
    names.reserve(outputItems_.size());
    for (const OutputItem &item : outputItems_)
        names.append(item.name);
    const int lost = pass.writer->writeHeader(names);
    if (!lost)
        return true;
    UnencodableCharacters::Row header{1, lost, -1, 0};
    for (int c = 0; c < names.size() && header.column < 0; ++c) {
        const qsizetype at = pass.writer->lineFormat().encoder().unencodableAt(names.at(c));
        if (at >= 0) {
            header.column = c;
            header.character = OutputEncoder::characterAt(names.at(c), at);
        }
    }
    pass.unencodable.add(header);
    if (pass.setting.replaceUnencodable)
        return true;
    pass.reporter.showError(unencodableError(pass.unencodable, pass.outputFile));
    return false;
}

void ConversionRun::startRows(Pass &pass)
{
    pass.progress.startInput(pass.inputRows.size());
    outputRowCount_ = 0;
    pass.reporter.showStatus(Messages::tr("Start converting..."));
    if (!pass.makesStatement())
        return;
    const ConvertSetting &setting = pass.setting;
    statements_.clear();
    for (int field = 0; field < StatementFields::Count; ++field)
        statements_.setPrinted(field, setting.statementFields.value(field).toPrint);
    statements_.setCompanyFlags(setting.statement);
    statements_.setLineLimit(StatementWriter::lineLimit());
    pass.statementBuilder = std::make_unique<StatementBuilder>(setting.statementFields);
}

// Each input row is let go once its output line and record are built, and a
// line waits only behind a group of rows not yet complete: the run never holds
// every input row and every output row at once.
bool ConversionRun::writeRows(Pass &pass)
{
    const auto step = [&pass] { pass.progress.step(); };
    OutputStage output(outputItems_, pass.company);
    if (pass.statementBuilder)
        output.setStatements(pass.statementBuilder.get(), &statements_);
    output.setStopAtUnencodable(!pass.setting.replaceUnencodable);
    output.convert(pass.inputRows.rows(), *pass.writer, step);
    if (output.stopped()) {
        pass.reporter.showError(unencodableError(output.unencodable(), pass.outputFile));
        return false;
    }

    pass.reporter.showStatus(Messages::tr("Deleting duplication and merging items..."));
    outputRowCount_ = output.rowCount();
    pass.progress.startOutput(outputRowCount_, pass.makesStatement());
    if (!output.writeKept(*pass.writer, step)) {
        pass.reporter.showError(outputError(output.errorString()));
        return false;
    }
    if (output.stopped()) {
        pass.reporter.showError(unencodableError(output.unencodable(), pass.outputFile));
        return false;
    }
    pass.unencodable.add(output.unencodable());
    pass.progress.finishOutput();
    return true;
}

// Both files are complete before either takes the place of what was there: a
// failure leaves the old output and the old statement as they were.
bool ConversionRun::prepareStatement(Pass &pass)
{
    pass.statementWriter =
        std::make_unique<StatementWriter>(statements_, pass.setting.statement, pass.company);
    if (!pass.makesStatement())
        return true;
    ConversionReporter &reporter = pass.reporter;
    reporter.showStatus(Messages::tr("Creating PDF file..."));
    statements_.computeTotals();
    pass.statementWriter->setProgressCallback([&pass] { pass.progress.step(); });
    pass.statementWriter->setSavingCallback(
        [&reporter] { reporter.showStatus(Messages::tr("Saving PDF file...")); });
    if (pass.statementWriter->prepare(pass.pdfPath))
        return true;
    reporter.showError(statementError(pass.pdfPath, pass.statementWriter->errorString()));
    return false;
}

// Both files take their places together, or neither does.
bool ConversionRun::replaceFiles(Pass &pass)
{
    CsvWriter &writer = *pass.writer;
    if (!writer.finish()) {
        pass.reporter.showError(outputError(writer.errorString()));
        return false;
    }
    PendingFile *const statementFile = pass.statementWriter->pendingFile();
    FileReplacement replacement(rename_);
    for (const PendingFile *file : {writer.pendingFile(), statementFile}) {
        if (file && !file->isDirect())
            replacement.add(file->stagedPath(), file->target());
    }
    if (replacement.commit())
        return true;
    const bool statementFailed =
        pass.makesStatement() && replacement.failedTarget() == statementFile->target();
    pass.reporter.showError(statementFailed
                                ? statementError(pass.pdfPath, replacement.errorString())
                                : outputError(replacement.errorString()));
    return false;
}

ConversionRun::Result ConversionRun::succeed(Pass &pass) const
{
    Result result;
    result.outputFile = pass.outputFile;
    if (pass.makesStatement()) {
        pass.progress.step();
        result.statementWritten = true;
        result.statementFile = pass.pdfPath;
    }
    pass.reporter.showStatus(Messages::tr("Converting succeeded."));
    if (!pass.unencodable.isEmpty())
        pass.reporter.showNotice(
            replacementReport(pass.unencodable, pass.writer->lineFormat().encoder().name()));
    result.succeeded = true;
    return result;
}
