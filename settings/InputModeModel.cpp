#include "settings/InputModeModel.h"

#include "editors/models/ColumnLetters.h"
#include "editors/models/ItemDragPayload.h"
#include "settings/ConvertSettingStore.h"
#include "settings/Settings.h"

#include <QHash>
#include <QMimeData>
#include <QVector>

#include <utility>

namespace {

// The form name of a file: its name up to the last ".", or the whole name.
QString formName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

// Where the records of one key value lie in the file, in file order: the first
// record and the last one; further records chain through a "next" array.
struct RecordChain
{
    int first = -1;
    int last = -1;
};

} // namespace

InputModeModel::InputModeModel(QObject *parent) : QAbstractTableModel(parent) {}

int InputModeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_.size();
}

int InputModeModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || rows_.isEmpty())
        return 0;
    return rows_.first().size();
}

QVariant InputModeModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index) || role != Qt::DisplayRole)
        return QVariant();
    return rows_.at(index.row()).value(index.column());
}

QVariant InputModeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section >= columnCount())
            return QVariant();
        return columnLetters(section);
    }
    if (section >= rowCount())
        return QVariant();
    if (section == 0)
        return tr("Item");
    return tr("Ex %1").arg(section);
}

Qt::ItemFlags InputModeModel::flags(const QModelIndex &index) const
{
    if (!isCell(index) || index.row() != 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

QStringList InputModeModel::mimeTypes() const
{
    return {ItemDragPayload::mimeType()};
}

QMimeData *InputModeModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    QList<ItemDragEntry> entries;
    entries.reserve(indexes.size());
    for (const QModelIndex &index : indexes) {
        if (!isCell(index))
            continue;
        entries.append({1, index.column(), rows_.at(index.row()).value(index.column())});
    }
    auto *mime = new QMimeData;
    mime->setData(ItemDragPayload::mimeType(), ItemDragPayload::encode(entries));
    return mime;
}

bool InputModeModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row > rows_.size() - count)
        return false;
    // Taking away the header changes the column count, which only a reset can tell.
    const bool header = row == 0;
    if (header)
        beginResetModel();
    else
        beginRemoveRows(QModelIndex(), row, row + count - 1);
    rows_.erase(rows_.begin() + row, rows_.begin() + row + count);
    if (header)
        endResetModel();
    else
        endRemoveRows();
    return true;
}

bool InputModeModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() >= 0 &&
           index.row() < rows_.size() && index.column() >= 0 && index.column() < columnCount();
}

bool InputModeModel::isEmpty() const
{
    return rows_.isEmpty();
}

QStringList InputModeModel::header() const
{
    return rows_.value(0);
}

QStringList InputModeModel::row(int i) const
{
    return rows_.value(i);
}

const QList<QStringList> &InputModeModel::rows() const
{
    return rows_;
}

QList<InputForm> InputModeModel::forms() const
{
    return forms_;
}

QStringList InputModeModel::formNames() const
{
    QStringList names;
    names.reserve(forms_.size());
    for (const InputForm &form : forms_)
        names.append(form.name);
    return names;
}

int InputModeModel::firstColumnOfForm(int k) const
{
    if (k <= 0)
        return 0;
    int column = 0;
    for (int i = 0; i < k; ++i)
        column += forms_.value(i).heads.size();
    return column - (k - 1);
}

void InputModeModel::setFirstForm(QList<QStringList> fileRows, const QString &fileName)
{
    // A file without a single line reads as an empty header.
    if (fileRows.isEmpty())
        fileRows.append(QStringList());
    beginResetModel();
    rows_ = std::move(fileRows);
    endResetModel();
    if (fileName.isEmpty())
        return;
    InputForm form;
    form.name = formName(fileName);
    form.heads = rows_.first();
    form.targetKey = -1;
    form.key = -1;
    forms_.append(form);
}

bool InputModeModel::joinForm(const QList<QStringList> &fileRows, int targetKey, int key,
                              const QString &fileName)
{
    const QStringList newHeader = fileRows.value(0);
    if (targetKey < 0 || targetKey >= columnCount() || key < 0 || key >= newHeader.size())
        return false;

    // Index the records by key value once, keeping file order per value.
    const int recordCount = fileRows.size();
    QHash<QString, RecordChain> chains;
    chains.reserve(recordCount);
    QVector<int> next(recordCount, -1);
    for (int j = 1; j < recordCount; ++j) {
        RecordChain &chain = chains[fileRows.at(j).value(key)];
        if (chain.first < 0)
            chain.first = j;
        else
            next[chain.last] = j;
        chain.last = j;
    }

    // A record without its key column is taken whole.
    auto recordPart = [&fileRows, key](int j) {
        QStringList part = fileRows.at(j);
        if (key < part.size())
            part.removeAt(key);
        return part;
    };

    beginResetModel();
    const int oldWidth = rows_.first().size();
    QList<QStringList> joined;
    joined.reserve(rows_.size());
    QStringList headerPart = newHeader;
    headerPart.removeAt(key);
    joined.append(rows_.first() + headerPart);
    for (int r = 1; r < rows_.size(); ++r) {
        QStringList &row = rows_[r];
        const auto found = chains.constFind(row.value(targetKey));
        if (found == chains.constEnd()) {
            joined.append(std::move(row));
            continue;
        }
        // A short row is padded so that the joined cells land under their header.
        while (row.size() < oldWidth)
            row.append(QString());
        for (int j = found->first; j >= 0; j = next.at(j)) {
            if (next.at(j) >= 0) {
                joined.append(row + recordPart(j));
                continue;
            }
            row.append(recordPart(j)); // the last match takes the row itself
            joined.append(std::move(row));
        }
    }
    rows_ = std::move(joined);
    endResetModel();

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

void InputModeModel::appendDataRows(const QList<QStringList> &fileRows)
{
    if (fileRows.size() < 2)
        return;
    if (rows_.isEmpty()) {
        // The first appended row becomes the header: the column count changes.
        beginResetModel();
        rows_ = fileRows.mid(1);
        endResetModel();
        return;
    }
    const int first = rows_.size();
    beginInsertRows(QModelIndex(), first, first + fileRows.size() - 2);
    rows_.reserve(first + fileRows.size() - 1);
    for (int i = 1; i < fileRows.size(); ++i)
        rows_.append(fileRows.at(i));
    endInsertRows();
}

void InputModeModel::clear()
{
    if (rows_.isEmpty() && forms_.isEmpty())
        return;
    beginResetModel();
    rows_.clear();
    forms_.clear();
    endResetModel();
}

void InputModeModel::save(const QString &settingName) const
{
    Settings store;
    ConvertSettingStore::writeInput(store, settingName, header(), row(1), row(2), forms_);
}

void InputModeModel::load(const QString &settingName)
{
    Settings store;
    const QList<QStringList> stored = ConvertSettingStore::readInputRows(store, settingName);
    const QList<InputForm> forms = ConvertSettingStore::readInputForms(store, settingName);
    beginResetModel();
    rows_.append(stored.at(0));
    for (int i = 1; i < stored.size(); ++i) {
        if (!stored.at(i).isEmpty())
            rows_.append(stored.at(i));
    }
    forms_.append(forms);
    endResetModel();
}
