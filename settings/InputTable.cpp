#include "settings/InputTable.h"

#include "csv/RecordChains.h"

#include <utility>

namespace {

// The form name of a file: its name up to the last ".", or the whole name.
QString formName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

} // namespace

QStringList InputTable::formNames() const
{
    QStringList names;
    names.reserve(forms_.size());
    for (const InputForm &form : forms_)
        names.append(form.name);
    return names;
}

int InputTable::firstColumnOfForm(int k) const
{
    if (k <= 0)
        return 0;
    int column = 0;
    for (int i = 0; i < k; ++i)
        column += forms_.value(i).heads.size();
    return column - (k - 1);
}

void InputTable::setFirstForm(QList<QStringList> fileRows, const QString &fileName)
{
    // A file without a single line reads as an empty header.
    if (fileRows.isEmpty())
        fileRows.append(QStringList());
    rows_ = std::move(fileRows);
    if (fileName.isEmpty())
        return;
    InputForm form;
    form.name = formName(fileName);
    form.heads = rows_.first();
    form.targetKey = -1;
    form.key = -1;
    forms_.append(form);
}

bool InputTable::joinForm(const QList<QStringList> &fileRows, int targetKey, int key,
                          const QString &fileName)
{
    const QStringList newHeader = fileRows.value(0);
    if (targetKey < 0 || targetKey >= width() || key < 0 || key >= newHeader.size())
        return false;

    QVector<CsvRecord> records;
    records.reserve(fileRows.size());
    for (const QStringList &cells : fileRows)
        records.append(CsvRecord(cells));
    const RecordChains chains(records, key);

    const int oldWidth = width();
    QStringList header = rows_.takeFirst();
    QStringList headerPart = newHeader;
    headerPart.removeAt(key);
    rows_ = chains.join(
        rows_, [targetKey](const QStringList &row) { return row.value(targetKey); },
        [&records, key, oldWidth](QStringList &row, int j) {
            // A short row is padded so that the joined cells land under their
            // header; a record's cells follow without its key column (a
            // record without that column is taken whole).
            while (row.size() < oldWidth)
                row.append(QString());
            const CsvRecord &record = records.at(j);
            row.reserve(row.size() + record.size());
            for (int c = 0; c < record.size(); ++c) {
                if (c != key)
                    row.append(record.value(c));
            }
        });
    rows_.prepend(header + headerPart);

    if (!fileName.isEmpty()) {
        InputForm form;
        form.name = formName(fileName);
        form.heads = newHeader;
        form.targetKey = targetKey;
        form.key = key;
        forms_.append(form);
    }
    return true;
}

void InputTable::appendDataRows(const QList<QStringList> &fileRows)
{
    if (fileRows.size() < 2)
        return;
    if (rows_.isEmpty()) {
        // The first appended row becomes the header.
        rows_ = fileRows.mid(1);
        return;
    }
    rows_.reserve(rows_.size() + fileRows.size() - 1);
    for (int i = 1; i < fileRows.size(); ++i)
        rows_.append(fileRows.at(i));
}

QList<QStringList> InputTable::takeRows()
{
    QList<QStringList> data = std::move(rows_);
    rows_ = QList<QStringList>{data.value(0)};
    return data;
}

bool InputTable::removeRows(int row, int count)
{
    if (row < 0 || count < 1 || row > rows_.size() - count)
        return false;
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    return true;
}

void InputTable::clear()
{
    rows_.clear();
    forms_.clear();
}

void InputTable::appendStored(const QStringList &heads, const QStringList &ex1,
                              const QStringList &ex2, const QList<InputForm> &forms)
{
    rows_.append(heads);
    for (const QStringList *example : {&ex1, &ex2}) {
        if (!example->isEmpty())
            rows_.append(*example);
    }
    forms_.append(forms);
}
