#include "editors/models/OutputModeModel.h"

#include "editors/models/ColumnLetters.h"
#include "editors/models/ItemDragPayload.h"
#include "language/ConditionCombination.h"
#include "settings/ConvertSetting.h"

#include <QMimeData>

namespace {

constexpr int RowCount = 6;

const QString yes = QStringLiteral("YES");
const QString no = QStringLiteral("NO");

QString rulesText(const OutputItem &item)
{
    const QString rules = item.rules.join(QStringLiteral("+\n"));
    const QString afterRules = item.afterRules.join(QStringLiteral("+\n"));
    if (rules.isEmpty())
        return afterRules;
    if (afterRules.isEmpty())
        return rules;
    return rules + QLatin1Char('\n') + afterRules;
}

template <typename List> void removeEntry(List &list, int i)
{
    if (i >= 0 && i < list.size())
        list.removeAt(i);
}

// Drops every entry whose source is an input item from the parallel lists: nums
// and sources here, the others through removeOthers.
template <typename RemoveOthers>
void removeInputEntries(QList<int> &nums, QList<SourceKind> &sources, RemoveOthers removeOthers)
{
    for (int i = 0; i < nums.size();) {
        if (sources.value(i, SourceKind::CompanyField) != SourceKind::InputItem) {
            ++i;
            continue;
        }
        removeOthers(i);
        removeEntry(nums, i);
        removeEntry(sources, i);
    }
}

} // namespace

OutputModeModel::OutputModeModel(QObject *parent) : AbstractOutputModel(parent) {}

int OutputModeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int OutputModeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : items_.size();
}

QVariant OutputModeModel::data(const QModelIndex &index, int role) const
{
    if (!isItemIndex(index))
        return QVariant();
    const OutputItem &item = items_.at(index.column());
    const bool tip = role == Qt::ToolTipRole || role == Qt::StatusTipRole;
    switch (index.row()) {
    case NameRow:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return item.name;
        if (tip)
            return tr("Double click to edit '%1'").arg(item.name);
        break;
    case OutputRow:
        if (role == Qt::DisplayRole)
            return item.mappings.join(QStringLiteral("+\n"));
        if (role == Qt::EditRole)
            return item.mappings;
        if (tip)
            return tr("Double click to edit output items for '%1'").arg(item.name);
        break;
    case ConditionsRow:
        if (role == Qt::DisplayRole)
            return item.conditions.join(QLatin1Char('\n') + item.condCombination +
                                        QLatin1Char('\n'));
        if (role == Qt::EditRole)
            return item.conditions;
        if (tip)
            return tr("Double click to edit conditions for '%1'").arg(item.name);
        break;
    case RulesRow:
        if (role == Qt::DisplayRole)
            return rulesText(item);
        if (role == Qt::EditRole)
            return item.rules;
        if (role == AfterRulesRole)
            return item.afterRules;
        if (tip)
            return tr("Double click to edit rules for '%1'").arg(item.name);
        break;
    case DistinctRow:
        if (role == Qt::CheckStateRole)
            return int(item.isDistinctKey() ? Qt::Checked : Qt::Unchecked);
        if (tip)
            return tr("Check to delete duplication for '%1'").arg(item.name);
        break;
    case MergeRow:
        if (role == Qt::DisplayRole)
            return item.merge == no ? QString() : item.merge;
        if (tip)
            return tr("Double click to edit merge option for '%1'").arg(item.name);
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant OutputModeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section < items_.size() ? QVariant(columnLetters(section)) : QVariant();
    switch (section) {
    case NameRow:
        return tr("Name");
    case OutputRow:
        return tr("Output");
    case ConditionsRow:
        return tr("Conditions");
    case RulesRow:
        return tr("Rules");
    case DistinctRow:
        return tr("Distinct");
    case MergeRow:
        return tr("Merge");
    default:
        return QVariant();
    }
}

Qt::ItemFlags OutputModeModel::flags(const QModelIndex &index) const
{
    if (!isItemIndex(index))
        return Qt::NoItemFlags;
    switch (index.row()) {
    case NameRow:
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    case OutputRow:
    case ConditionsRow:
        return Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    case DistinctRow:
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    default:
        return Qt::ItemIsEnabled;
    }
}

bool OutputModeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!isItemIndex(index))
        return false;
    OutputItem &item = items_[index.column()];
    if (index.row() == NameRow) {
        item.name = value.toString();
        // The name appears in the tips of every row of the column.
        emitColumnChanged(index.column());
    } else if (index.row() == RulesRow) {
        if (role == Qt::EditRole)
            item.rules = value.toStringList();
        else if (role == AfterRulesRole)
            item.afterRules = value.toStringList();
        emitCellChanged(index.row(), index.column());
    } else {
        return false;
    }
    emit itemChanged(index);
    return true;
}

QStringList OutputModeModel::mimeTypes() const
{
    return {ItemDragPayload::mimeType()};
}

Qt::DropActions OutputModeModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

bool OutputModeModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row,
                                   int column, const QModelIndex &parent)
{
    Q_UNUSED(action)
    Q_UNUSED(row)
    Q_UNUSED(column)
    if (!data || !isItemIndex(parent))
        return false;
    const int target = parent.row();
    if (target != OutputRow && target != ConditionsRow)
        return false;

    const QList<ItemDragEntry> entries =
        ItemDragPayload::decode(data->data(ItemDragPayload::mimeType()));
    OutputItem item = items_.at(parent.column());
    for (const ItemDragEntry &entry : entries) {
        const QString text = entry.kind == SourceKind::CompanyField
                                 ? QLatin1Char('[') + entry.text + QLatin1Char(']')
                                 : entry.text;
        if (target == OutputRow) {
            item.mapSources.append(entry.kind);
            item.mapNums.append(entry.code);
            item.mappings.append(text);
        } else {
            item.condSources.append(entry.kind);
            item.condNums.append(entry.code);
            item.conditions.append(text);
            item.condRules.append(QString());
            if (item.condCombination.isEmpty())
                item.condCombination =
                    ConditionCombination::words().name(ConditionCombination::Kind::All);
        }
    }
    items_[parent.column()] = item;
    emitCellChanged(target, parent.column());
    emit itemChanged(parent);
    return true;
}

QString OutputModeModel::separator(const QModelIndex &index) const
{
    return isItemIndex(index) ? items_.at(index.column()).separator : QString();
}

void OutputModeModel::setSeparator(const QModelIndex &index, const QString &text)
{
    if (isItemIndex(index))
        items_[index.column()].separator = text;
}

void OutputModeModel::clearSeparator(const QModelIndex &index)
{
    setSeparator(index, QString());
}

void OutputModeModel::setMappings(const QModelIndex &index, const QStringList &names)
{
    if (!isItemIndex(index))
        return;
    OutputItem item = items_.at(index.column());
    if (names == item.mappings)
        return;
    QList<SourceKind> sources;
    QList<int> nums;
    sources.reserve(names.size());
    nums.reserve(names.size());
    for (const QString &name : names) {
        const int p = item.mappings.indexOf(name);
        sources.append(p < 0 ? SourceKind::CompanyField
                             : item.mapSources.value(p, SourceKind::CompanyField));
        nums.append(p < 0 ? 0 : item.mapNums.value(p));
    }
    item.mappings = names;
    item.mapSources = sources;
    item.mapNums = nums;
    items_[index.column()] = item;
    emitCellChanged(OutputRow, index.column());
    emit itemChanged(index);
}

QModelIndex OutputModeModel::appendItem()
{
    return insertItem(items_.size());
}

QModelIndex OutputModeModel::insertItem(int column)
{
    if (column < 0 || column > items_.size())
        column = items_.size();
    OutputItem item;
    item.distinct.clear(); // a new item has every string empty
    beginInsertColumns(QModelIndex(), column, column);
    items_.insert(column, item);
    endInsertColumns();
    return index(NameRow, column);
}

void OutputModeModel::removeItem(int column)
{
    if (column < 0 || column >= items_.size())
        return;
    beginRemoveColumns(QModelIndex(), column, column);
    items_.removeAt(column);
    endRemoveColumns();
}

void OutputModeModel::moveLeft(const QModelIndex &index)
{
    if (!isItemIndex(index) || index.column() == 0)
        return;
    const int column = index.column();
    beginMoveColumns(QModelIndex(), column, column, QModelIndex(), column - 1);
    items_.swapItemsAt(column, column - 1);
    endMoveColumns();
    emit itemChanged(this->index(index.row(), column));
    emit itemChanged(this->index(index.row(), column - 1));
}

void OutputModeModel::moveRight(const QModelIndex &index)
{
    if (!isItemIndex(index) || index.column() >= items_.size() - 1)
        return;
    const int column = index.column();
    beginMoveColumns(QModelIndex(), column, column, QModelIndex(), column + 2);
    items_.swapItemsAt(column, column + 1);
    endMoveColumns();
    emit itemChanged(this->index(index.row(), column));
    emit itemChanged(this->index(index.row(), column + 1));
}

OutputItem OutputModeModel::item(int column) const
{
    return items_.value(column);
}

const QList<OutputItem> &OutputModeModel::items() const
{
    return items_;
}

void OutputModeModel::replaceItem(int column, const OutputItem &item)
{
    if (column < 0 || column >= items_.size())
        return;
    items_[column] = item;
    emitColumnChanged(column);
}

int OutputModeModel::conditionCount(const QModelIndex &index) const
{
    return isItemIndex(index) ? items_.at(index.column()).conditions.size() : 0;
}

void OutputModeModel::removeCondition(const QModelIndex &index, int i)
{
    if (!isItemIndex(index))
        return;
    OutputItem item = items_.at(index.column());
    removeEntry(item.conditions, i);
    removeEntry(item.condRules, i);
    removeEntry(item.condNums, i);
    removeEntry(item.condSources, i);
    if (item == items_.at(index.column()))
        return;
    items_[index.column()] = item;
    emitCellChanged(ConditionsRow, index.column());
}

void OutputModeModel::toggleDistinct(int column)
{
    if (column < 0 || column >= items_.size())
        return;
    QString &distinct = items_[column].distinct;
    distinct = distinct == yes ? no : yes;
    emitCellChanged(DistinctRow, column);
}

void OutputModeModel::setMerge(const QModelIndex &index, const QString &merge,
                               const QString &mergeSeparator)
{
    if (!isItemIndex(index))
        return;
    OutputItem &item = items_[index.column()];
    item.merge = merge;
    item.mergeSeparator = mergeSeparator;
    emitCellChanged(MergeRow, index.column());
}

QStringList OutputModeModel::mergeOption(const QModelIndex &index) const
{
    if (!isItemIndex(index))
        return {QString(), QString()};
    const OutputItem &item = items_.at(index.column());
    return {item.merge, item.mergeSeparator};
}

QList<int> OutputModeModel::distinctColumns() const
{
    QList<int> columns;
    for (int c = 0; c < items_.size(); ++c) {
        if (items_.at(c).isDistinctKey())
            columns.append(c);
    }
    return columns;
}

QList<int> OutputModeModel::mergeColumns() const
{
    QList<int> columns;
    for (int c = 0; c < items_.size(); ++c) {
        if (items_.at(c).merges())
            columns.append(c);
    }
    return columns;
}

int OutputModeModel::maxLineCount(int row) const
{
    int lines = 1;
    for (const OutputItem &item : items_) {
        switch (row) {
        case OutputRow:
            lines = qMax(lines, item.mappings.size());
            break;
        case ConditionsRow:
            lines = qMax(lines, item.conditions.size());
            break;
        case RulesRow:
            lines = qMax(lines, item.rules.size());
            break;
        default:
            return 1;
        }
    }
    return lines;
}

void OutputModeModel::clearInputSources()
{
    if (items_.isEmpty())
        return;
    beginResetModel();
    for (OutputItem &item : items_) {
        removeInputEntries(item.mapNums, item.mapSources,
                           [&item](int i) { removeEntry(item.mappings, i); });
        removeInputEntries(item.condNums, item.condSources, [&item](int i) {
            removeEntry(item.conditions, i);
            removeEntry(item.condRules, i);
        });
    }
    endResetModel();
}

void OutputModeModel::clear()
{
    if (items_.isEmpty())
        return;
    beginResetModel();
    items_.clear();
    endResetModel();
}

void OutputModeModel::save(ConvertSetting &setting) const
{
    setting.outputItems = items_;
}

int OutputModeModel::load(const ConvertSetting &setting)
{
    const QList<OutputItem> &stored = setting.outputItems;
    beginResetModel();
    items_.append(stored);
    endResetModel();
    return stored.size();
}

bool OutputModeModel::isItemIndex(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() >= 0 && index.row() < RowCount &&
           index.column() >= 0 && index.column() < items_.size();
}

void OutputModeModel::emitCellChanged(int row, int column)
{
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
}

void OutputModeModel::emitColumnChanged(int column)
{
    emit dataChanged(index(0, column), index(RowCount - 1, column));
}
