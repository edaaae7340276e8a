#include "InputStage.h"

#include "csv/CsvFileParts.h"
#include "csv/InputTextDecoder.h"
#include "engine/ConversionReporter.h"
#include "engine/InputRows.h"
#include "engine/OrderedChunks.h"
#include "settings/InputTable.h"
#include "settings/Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QVector>

#include <algorithm>
#include <memory>
#include <vector>

InputStage::InputStage(const QStringList &inputFiles, InputTable &table, InputRows &rows,
                       ConversionReporter &reporter)
    : inputFiles_(inputFiles), table_(table), rows_(rows), reporter_(reporter)
{}

namespace {

// How much of a file is looked at to learn its header before it is read whole.
constexpr qint64 HeadBytes = 64 * 1024;
// A file this large is read in parts side by side, so that the threads share
// the work of the files evenly however their sizes differ.
constexpr qint64 SplitBytes = 8 << 20;
constexpr qint64 PartBytes = 2 << 20;

// The header of the file, from its first lines alone; empty when those do not
// tell it for sure: a byte-order mark of UTF-16 or UTF-32 (a line feed byte may
// be half a character there), no whole line, text that is not clean, or UTF-8
// that passes for half-width katakana, which only the whole file tells apart.
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
    const InputTextDecoder::Check utf8 =
        InputTextDecoder::checkUtf8(head.constData(), head.size(), true);
    if (!utf8.fault && utf8.lookalikes.areShiftJis())
        return QStringList();
    const CsvRows rows = readCsvRows(head);
    if (rows.hasTextFault() || rows.isMalformed() || rows.records.size() < 2)
        return QStringList();
    return rows.records.constFirst().toStringList();
}

} // namespace

bool InputStage::openFile(QFile &file, const QList<QStringList> &acceptedHeaders, FileRead *read)
{
    if (!file.open(QIODevice::ReadOnly)) {
        read->error = file.errorString();
        return false;
    }
    // A file that no form expects is known by its first line: the rest of a
    // large wrong file is never read.
    if (!acceptedHeaders.isEmpty() && file.size() > HeadBytes) {
        const QStringList header = headerOf(file);
        if (!header.isEmpty() && !acceptedHeaders.contains(header)) {
            read->rows.records = {CsvRecord(header)};
            read->opened = true;
            return false;
        }
    }
    return true;
}

InputStage::FileRead InputStage::readFile(const QString &path,
                                          const QList<QStringList> &acceptedHeaders)
{
    FileRead read;
    QFile file(path);
    if (!openFile(file, acceptedHeaders, &read))
        return read;
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
    std::vector<std::unique_ptr<CsvFileParts>> files(paths.size());
    // Large files are read in parts; the threads take the largest parts
    // first, so that they finish at about the same time.
    struct Task
    {
        int file;
        int part; // -1: the whole file
        qint64 bytes;
    };
    QVector<Task> tasks;
    const bool split = QThread::idealThreadCount() > 1;
    for (int k = 0; k < paths.size(); ++k) {
        const qint64 size = QFileInfo(paths.at(k)).size();
        if (!split || size < SplitBytes) {
            tasks.append({k, -1, size});
            continue;
        }
        QFile file(paths.at(k));
        if (!openFile(file, acceptedHeaders, &reads[k]))
            continue;
        files[k] = std::make_unique<CsvFileParts>(file, PartBytes);
        for (int part = 0; part < files[k]->count(); ++part)
            tasks.append({k, part, files[k]->size(part)});
    }
    std::stable_sort(tasks.begin(), tasks.end(),
                     [](const Task &a, const Task &b) { return a.bytes > b.bytes; });
    // The calling thread takes its share too.
    OrderedChunks::runAll(tasks.size(), [&](int t) {
        const Task &task = tasks.at(t);
        if (task.part < 0)
            reads[task.file] = readFile(paths.at(task.file), acceptedHeaders);
        else
            files[task.file]->read(task.part);
    });
    for (int k = 0; k < paths.size(); ++k) {
        if (files[k]) {
            reads[k].rows = files[k]->take();
            reads[k].error = files[k]->errorString();
            reads[k].opened = reads[k].error.isEmpty();
            files[k].reset();
        }
        cache_.insert(paths.at(k), std::move(reads[k]));
    }
}

const CsvRows *InputStage::fileRows(const QString &path)
{
    auto cached = cache_.find(path);
    if (cached == cache_.end())
        cached = cache_.insert(path, readFile(path, {}));
    if (!cached->opened) {
        reporter_.showError(
            Messages::tr("Cannot open input file:\n%1.").arg(Messages::reason(cached->error)));
        return nullptr;
    }
    return &cached->rows;
}

bool InputStage::reportIfMalformed(const QString &path, const CsvRows &rows)
{
    // A text fault comes first: the records were read from text that is wrong.
    if (rows.textFault == CsvRows::TextFault::MixedEncodings) {
        reporter_.showError(Messages::tr("Input file mixes text encodings:\n%1 (line %2).")
                                .arg(path, QString::number(rows.textFaultLine)));
        return true;
    }
    if (rows.textFault == CsvRows::TextFault::NotText) {
        reporter_.showError(
            Messages::tr("Input file has bytes that are not text in %3:\n%1 (line %2).")
                .arg(path, QString::number(rows.textFaultLine), rows.encodingName));
        return true;
    }
    if (!rows.isMalformed())
        return false;
    reporter_.showError(Messages::tr("Input file has a malformed record:\n%1 (line %2).")
                            .arg(path, QString::number(rows.malformedLine)));
    return true;
}

QVector<CsvRecord> InputStage::takeRows(const QString &path)
{
    // The same path may be listed twice; only its last use may give the rows away.
    if (inputFiles_.count(path) > 1)
        return cache_.value(path).rows.records;
    return cache_.take(path).rows.records;
}

bool InputStage::readSingleForm(const InputForm &form)
{
    table_.clear();
    readAll({form.heads});
    for (const QString &path : inputFiles_) {
        const CsvRows *rows = fileRows(path);
        if (!rows || reportIfMalformed(path, *rows))
            return false;
        if (rows->records.constFirst().toStringList() != form.heads) {
            reporter_.showError(Messages::tr(
                "Input file dose not match with setting.\nPlease check the input file(s)."));
            return false;
        }
        if (table_.isEmpty()) {
            table_.setFirstForm({form.heads}, path);
            rows_.setFirst(takeRows(path));
        } else {
            rows_.append(takeRows(path));
        }
    }
    return true;
}

bool InputStage::readSeveralForms(const QList<InputForm> &forms)
{
    if (inputFiles_.size() != forms.size()) {
        reporter_.showError(Messages::tr("Number of input files is not matched with setting."));
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
            if (rows->records.constFirst().toStringList() != form.heads)
                continue;
            if (table_.isEmpty()) {
                table_.setFirstForm({form.heads}, path);
                rows_.setFirst(takeRows(path));
            } else {
                table_.joinForm({form.heads}, form.targetKey, form.key, path);
                rows_.join(takeRows(path), form.targetKey, form.key);
            }
            remaining.removeOne(path);
            taken = true;
        }
        if (!taken) {
            reporter_.showError(Messages::tr("Cannot find proper source file."));
            return false;
        }
    }
    return true;
}
