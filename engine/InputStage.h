#pragma once

#include "csv/CsvReader.h"
#include "settings/InputForm.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class ConversionReporter;
class InputRows;
class InputTable;
class QFile;

// Reads the input files of a run: the combined header and the forms into the
// input table, the records into the rows. One form takes every file and
// concatenates their records; several forms recognise each file by its header
// and join it on the form's key. Each file is read from disk once
// per run (several files, and the parts of a large one, side by side; parts
// that do not fit together are read again whole); messages come in the order
// in which the files are met. On failure the reporter has been given the one
// error.
class InputStage
{
public:
    InputStage(const QStringList &inputFiles, InputTable &table, InputRows &rows,
               ConversionReporter &reporter);

    bool readSingleForm(const InputForm &form);
    bool readSeveralForms(const QList<InputForm> &forms);

private:
    // A file as read: its rows, or the system's text of why it could not be.
    struct FileRead
    {
        bool opened = false;
        QString error;
        CsvRows rows;
    };

    // Opens a file to be read; false when there is nothing more to do: it
    // cannot be opened, or its header is none of acceptedHeaders (when any
    // are given), and then only the header is kept.
    static bool openFile(QFile &file, const QList<QStringList> &acceptedHeaders, FileRead *read);
    // Reads a file whole, unless openFile() was the end of it.
    static FileRead readFile(const QString &path, const QList<QStringList> &acceptedHeaders);
    // Reads every input file at once, before the stage looks at them.
    void readAll(const QList<QStringList> &acceptedHeaders);
    // The rows of a file; nullptr after its error was shown.
    const CsvRows *fileRows(const QString &path);
    bool reportIfMalformed(const QString &path, const CsvRows &rows);
    // Hands a file's rows over to the table; they are not needed again.
    QVector<CsvRecord> takeRows(const QString &path);

    const QStringList inputFiles_;
    InputTable &table_;
    InputRows &rows_;
    ConversionReporter &reporter_;
    QHash<QString, FileRead> cache_;
};
