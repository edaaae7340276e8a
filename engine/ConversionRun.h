#pragma once

#include "csv/FileReplacement.h"
#include "csv/OutputEncoding.h"
#include "settings/InputTable.h"
#include "settings/OutputItem.h"
#include "statement/StatementList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ConversionReporter;
class QIODevice;
class UnencodableCharacters;
struct ConvertSetting;

// One conversion run: input files to one output CSV file (and, when the
// setting asks for it, the purchase statement PDF) by a named convert setting
// of the settings file in the current working folder, read once per run. The
// results stay until the next run, except the input table: it lets its data
// rows go as they are converted and keeps its combined header.
class ConversionRun : public QObject
{
    Q_OBJECT
public:
    explicit ConversionRun(QObject *parent = nullptr);

    struct Result
    {
        bool succeeded = false;
        bool statementWritten = false;
        QString outputFile;
        QString statementFile;
    };

    // Every message goes through reporter; on failure exactly one showError.
    Result convert(const QStringList &inputFiles, const QString &outputFile,
                   const QString &settingName, ConversionReporter &reporter);

    // The statement path of an output path: the file name's final ".csv" (any
    // letter case) becomes ".pdf"; a name without it gets ".pdf" appended.
    static QString statementFileFor(const QString &outputFile);
    // Whether a statement may be written at pdfPath: its folder exists, nothing
    // but a file stands there, it is no input file, and fonts can be painted.
    static bool canWriteStatement(const QString &pdfPath, const QStringList &inputFiles);
    // True when path exists and is (canonically) one of inputFiles.
    static bool namesInputFile(const QString &path, const QStringList &inputFiles);

    // Writes the output rows to device, open for writing, instead of to the
    // output file, whose name then only names it; a setting that makes a
    // statement is refused, for the statement goes beside an output file.
    void setOutputDevice(QIODevice *device);
    // The output's encoding for this and every later run, whatever the
    // setting chooses.
    void setOutputEncoding(OutputEncoding::Kind encoding);
    // How the new files are moved into place; tests fail it on purpose.
    void setRename(FileReplacement::Rename rename);

    // The last run's combined header and input forms; its rows are not kept.
    const InputTable &inputTable() const;
    const QList<OutputItem> &outputItems() const;
    // Lines of the last output file, the header aside.
    int outputRowCount() const;
    const StatementList &statements() const;

private:
    Result checkAndRun(const QStringList &inputFiles, const QString &outputFile,
                       const QString &settingName, ConversionReporter &reporter);
    // The stages of a run, in order; a stage that returns false has shown the
    // run's one error.
    struct Pass;
    Result run(const QStringList &inputFiles, const QString &outputFile,
               const ConvertSetting &setting, ConversionReporter &reporter);
    bool checkStatementPlace(Pass &pass) const;
    bool chooseEncoding(Pass &pass) const;
    bool readInput(Pass &pass);
    bool openOutput(Pass &pass);
    bool writeHeader(Pass &pass) const;
    void startRows(Pass &pass);
    bool writeRows(Pass &pass);
    bool prepareStatement(Pass &pass);
    bool replaceFiles(Pass &pass);
    Result succeed(Pass &pass) const;
    QString unencodableError(const UnencodableCharacters &found, const QString &outputFile) const;

    bool encodingChosen_ = false;
    OutputEncoding::Kind encoding_ = OutputEncoding::System;
    QIODevice *outputDevice_ = nullptr;
    FileReplacement::Rename rename_;
    InputTable inputTable_;
    QList<OutputItem> outputItems_;
    int outputRowCount_ = 0;
    StatementList statements_;
};
