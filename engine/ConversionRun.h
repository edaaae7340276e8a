#pragma once

#include "editors/models/OutputModeModel.h"
#include "settings/InputModeModel.h"
#include "statement/PdfSetModel.h"
#include "statement/StatementList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ConversionReporter;

// One conversion run: input files to one output CSV file (and, when the
// setting asks for it, the purchase statement PDF) by a named convert setting
// of the settings file in the current working folder. The models stay filled
// until the next run, except the input table: it lets its data rows go as they
// are converted and keeps its combined header.
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

    // The statement path of an output path: every ".csv" becomes ".pdf"; a
    // path without ".csv" gets ".pdf" appended.
    static QString statementFileFor(const QString &outputFile);
    // True when path exists and is (canonically) one of inputFiles.
    static bool namesInputFile(const QString &path, const QStringList &inputFiles);

    InputModeModel *inputTable();
    OutputModeModel *outputItems();
    PdfSetModel *statementFields();
    const QList<QStringList> &outputRows() const;
    const StatementList &statements() const;

private:
    InputModeModel inputTable_;
    OutputModeModel outputItems_;
    PdfSetModel statementFields_;
    QList<QStringList> outputRows_;
    StatementList statements_;
};
