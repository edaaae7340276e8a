#include "InputStage.h"

#include "engine/ConversionReporter.h"
#include "settings/InputTable.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QVector>

#include <new>

InputStage::InputStage(const QStringList &inputFiles, InputTable &table,
                       ConversionReporter &reporter)
    : inputFiles_(inputFiles), table_(table), reporter_(reporter)
{}

namespace {

// How much of a file is looked at to learn its header before it is read whole.
constexpr qint64 HeadBytes = 64 * 1024;

// The header of the file, from its first lines alone; empty when those do not
// tell it for sure: a byte-order mark of UTF-16 or UTF-32 (a line feed byte may
// be half a character there), no whole line, or text that is not clean.
QStringList headerOf(QFile &file)
{
    QByteArray head = file.peek(HeadBytes);
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF") ||
        head.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
        return QStringList();
    const int lineEnd = head.lastIndexOf('\n');
    if (lineEnd < 0)
        return QStringList();
    head.truncate(lineEnd + 1);
    const CsvRows rows = readCsvRows(head);
    if (rows.hasTextFault() || rows.isMalformed() || rows.rows.size() < 2)
        return QStringList();
    return rows.rows.constFirst();
}

} // namespace

InputStage::FileRead InputStage::readFile(const QString &path,
                                          const QList<QStringList> &acceptedHeaders)
{
    FileRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = file.errorString();
        return read;
    }
    // A file that no form expects is known by its first line: the rest of a
    // large wrong file is never read.
    if (!acceptedHeaders.isEmpty() && file.size() > HeadBytes) {
        const QStringList header = headerOf(file);
        if (!header.isEmpty() && !acceptedHeaders.contains(header)) {
            read.rows.rows = QList<QStringList>{header};
            read.opened = true;
            return read;
        }
    }
    read.rows = readCsvRows(file);
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        read.rows = CsvRows();
        return read;
    }
    read.opened = true;
    return read;
}

void InputStage::readAll(const QList<QStringList> &acceptedHeaders)
{
    QStringList paths;
    for (const QString &path : inputFiles_) {
        if (!paths.contains(path) && !cache_.contains(path))
            paths.append(path);
    }
    QVector<FileRead> reads(paths.size());
    // Files are read side by side; the calling thread takes its share too.
    QAtomicInt next(0);
    // A helper thread must not end in an exception: a file that runs out of
    // memory is marked, and the run learns of it once every thread is done.
    QAtomicInt outOfMemory(0);
    auto work = [&]() {
        for (int k = next.fetchAndAddRelaxed(1); k < paths.size(); k = next.fetchAndAddRelaxed(1)) {
            try {
                reads[k] = readFile(paths.at(k), acceptedHeaders);
            } catch (const std::bad_alloc &) {
                reads[k] = FileRead();
                outOfMemory.storeRelaxed(1);
            }
        }
    };
    const int helpers = qMin(paths.size(), QThread::idealThreadCount()) - 1;
    QVector<QThread *> threads;
    for (int t = 0; t < helpers; ++t) {
        threads.append(QThread::create(work));
        threads.last()->start();
    }
    work();
    for (QThread *thread : qAsConst(threads)) {
        thread->wait();
        delete thread;
    }
    if (outOfMemory.loadRelaxed())
        throw std::bad_alloc();
    for (int k = 0; k < paths.size(); ++k)
        cache_.insert(paths.at(k), std::move(reads[k]));
}

const CsvRows *InputStage::fileRows(const QString &path)
{
    auto cached = cache_.find(path);
    if (cached == cache_.end())
        cached = cache_.insert(path, readFile(path, {}));
    if (!cached->opened) {
        reporter_.showError(
            QCoreApplication::translate("MainWindow", "Cannot open input file:\n%1.")
                .arg(cached->error));
        return nullptr;
    }
    return &cached->rows;
}

bool InputStage::reportIfMalformed(const QString &path, const CsvRows &rows)
{
    // A text fault comes first: the records were read from text that is wrong.
    if (rows.textFault == CsvRows::TextFault::MixedEncodings) {
        reporter_.showError(QCoreApplication::translate(
                                "MainWindow", "Input file mixes text encodings:\n%1 (line %2).")
                                .arg(path, QString::number(rows.textFaultLine)));
        return true;
    }
    if (rows.textFault == CsvRows::TextFault::NotText) {
        reporter_.showError(
            QCoreApplication::translate(
                "MainWindow", "Input file has bytes that are not text in %3:\n%1 (line %2).")
                .arg(path, QString::number(rows.textFaultLine), rows.encodingName));
        return true;
    }
    if (!rows.isMalformed())
        return false;
    reporter_.showError(QCoreApplication::translate(
                            "MainWindow", "Input file has a malformed record:\n%1 (line %2).")
                            .arg(path, QString::number(rows.malformedLine)));
    return true;
}

QList<QStringList> InputStage::takeRows(const QString &path)
{
    // The same path may be listed twice; only its last use may give the rows away.
    if (inputFiles_.count(path) > 1)
        return cache_.value(path).rows.rows;
    return cache_.take(path).rows.rows;
}

bool InputStage::readSingleForm(const InputForm &form)
{
    table_.clear();
    readAll({form.heads});
    for (const QString &path : inputFiles_) {
        const CsvRows *rows = fileRows(path);
        if (!rows || reportIfMalformed(path, *rows))
            return false;
        if (rows->rows.constFirst() != form.heads) {
            reporter_.showError(QCoreApplication::translate(
                "MainWindow",
                "Input file dose not match with setting.\nPlease check the input file(s)."));
            return false;
        }
        if (table_.isEmpty())
            table_.setFirstForm(takeRows(path), path);
        else
            table_.appendDataRows(takeRows(path));
    }
    return true;
}

bool InputStage::readSeveralForms(const QList<InputForm> &forms)
{
    if (inputFiles_.size() != forms.size()) {
        reporter_.showError(QCoreApplication::translate(
            "MainWindow", "Number of input files is not matched with setting."));
        return false;
    }
    table_.clear();
    QList<QStringList> headers;
    for (const InputForm &form : forms)
        headers.append(form.heads);
    readAll(headers);
    QStringList remaining = inputFiles_;
    for (const InputForm &form : forms) {
        bool taken = false;
        const QStringList candidates = remaining;
        for (const QString &path : candidates) {
            const CsvRows *rows = fileRows(path);
            if (!rows || reportIfMalformed(path, *rows))
                return false;
            if (rows->rows.constFirst() != form.heads)
                continue;
            if (table_.isEmpty())
                table_.setFirstForm(takeRows(path), path);
            else
                table_.joinForm(takeRows(path), form.targetKey, form.key, path);
            remaining.removeOne(path);
            taken = true;
        }
        if (!taken) {
            reporter_.showError(
                QCoreApplication::translate("MainWindow", "Cannot find proper source file."));
            return false;
        }
    }
    return true;
}
