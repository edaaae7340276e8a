#include "editors/models/PdfSetModel.h"

#include "editors/models/ItemDragPayload.h"
#include "settings/ConvertSetting.h"

#include <QColor>
#include <QMimeData>

namespace {

// Column headers in field order; translated in the PdfSetModel context.
const char *const headerTexts[StatementFields::Count] = {
    QT_TRANSLATE_NOOP("PdfSetModel", "Name"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Address"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Post code"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Order number"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Order date"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Product name"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Product number"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Option"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Quantity"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Unit price"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Subtotal"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Sum"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Tax"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Shipping charge"),
    QT_TRANSLATE_NOOP("PdfSetModel", "C.O.D charge"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Total sum"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Coupon"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Point"),
    QT_TRANSLATE_NOOP("PdfSetModel", "Payment"),
};

// Only the text fields take rules; the amounts are read as numbers.
bool takesRules(int field)
{
    return field <= StatementFields::Option;
}

// The fields the statement computes when nothing is mapped to them.
bool isAuto(int field)
{
    return field == StatementFields::Subtotal || field == StatementFields::Sum ||
           field == StatementFields::TotalSum || field == StatementFields::Payment;
}

bool isField(int field)
{
    return field >= 0 && field < StatementFields::Count;
}

} // namespace

// A cell of this model; invalid and foreign indexes are ignored everywhere.
bool PdfSetModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() >= 0 && index.row() <= RuleRow &&
           isField(index.column());
}

PdfSetModel::PdfSetModel(QObject *parent) : AbstractOutputModel(parent) {}

int PdfSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

int PdfSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : StatementFields::Count;
}

QVariant PdfSetModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index))
        return QVariant();
    const int c = index.column();
    const StatementField &f = fields_[c];
    const QString header = tr(headerTexts[c]);
    const bool tip = role == Qt::ToolTipRole || role == Qt::StatusTipRole;
    switch (index.row()) {
    case PrintRow:
        if (role == Qt::CheckStateRole)
            return f.toPrint ? Qt::Checked : Qt::Unchecked;
        if (tip)
            return tr("Check to print '%1'").arg(header);
        break;
    case OutputRow:
        if (role == Qt::DisplayRole)
            return isAuto(c) && f.mappings.isEmpty() ? tr("[Auto]")
                                                     : f.mappings.join(QStringLiteral("+\n"));
        if (role == Qt::EditRole)
            return f.mappings;
        if (tip)
            return tr("Double click to edit output items for '%1'").arg(header);
        break;
    case RuleRow:
        if (role == Qt::DisplayRole)
            return f.rules.join(QStringLiteral("+\n"));
        if (role == Qt::EditRole)
            return f.rules;
        if (tip)
            return takesRules(c) ? tr("Double click to edit rules for '%1'").arg(header)
                                 : tr("Cannot assign rules for '%1'").arg(header);
        if (role == Qt::BackgroundRole)
            return QColor(takesRules(c) ? QStringLiteral("white") : QStringLiteral("lightgray"));
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant PdfSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal && isField(section))
        return tr(headerTexts[section]);
    if (orientation == Qt::Vertical) {
        switch (section) {
        case PrintRow:
            return tr("Print");
        case OutputRow:
            return tr("Output");
        case RuleRow:
            return tr("Rule");
        default:
            break;
        }
    }
    return section + 1;
}

Qt::ItemFlags PdfSetModel::flags(const QModelIndex &index) const
{
    if (!isCell(index))
        return Qt::NoItemFlags;
    switch (index.row()) {
    case PrintRow:
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    case OutputRow:
        return Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    case RuleRow:
        return takesRules(index.column()) ? Qt::ItemIsEnabled : Qt::NoItemFlags;
    default:
        return Qt::NoItemFlags;
    }
}

bool PdfSetModel::setData(const QModelIndex &index, const QVariant &value, int /*role*/)
{
    if (!isCell(index) || index.row() != RuleRow)
        return false;
    fields_[index.column()].rules = value.toStringList();
    emit dataChanged(index, index);
    return true;
}

QStringList PdfSetModel::mimeTypes() const
{
    return {ItemDragPayload::mimeType()};
}

Qt::DropActions PdfSetModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

bool PdfSetModel::dropMimeData(const QMimeData *data, Qt::DropAction /*action*/, int /*row*/,
                               int /*column*/, const QModelIndex &parent)
{
    if (!data || !data->hasFormat(ItemDragPayload::mimeType()) || !isCell(parent) ||
        parent.row() != OutputRow)
        return false;
    const QList<ItemDragEntry> entries =
        ItemDragPayload::decode(data->data(ItemDragPayload::mimeType()));
    // Statement fields are fed by input items only; a payload holding a
    // company field is refused whole, so the field stays as it was.
    for (const ItemDragEntry &entry : entries) {
        if (entry.kind != SourceKind::InputItem)
            return false;
    }
    StatementField &f = fields_[parent.column()];
    for (const ItemDragEntry &entry : entries) {
        f.mapNums.append(entry.code);
        f.mappings.append(entry.text);
    }
    emit dataChanged(parent, parent);
    return true;
}

QString PdfSetModel::separator(const QModelIndex &index) const
{
    return isCell(index) ? fields_[index.column()].separator : QString();
}

void PdfSetModel::setSeparator(const QModelIndex &index, const QString &text)
{
    if (isCell(index))
        fields_[index.column()].separator = text;
}

void PdfSetModel::clearSeparator(const QModelIndex &index)
{
    if (isCell(index))
        fields_[index.column()].separator.clear();
}

void PdfSetModel::setMappings(const QModelIndex &index, const QStringList &names)
{
    if (!index.isValid() || !isField(index.column()))
        return;
    StatementField &f = fields_[index.column()];
    if (names == f.mappings)
        return;
    QList<int> numbers;
    numbers.reserve(names.size());
    for (const QString &name : names) {
        const int position = f.mappings.indexOf(name);
        numbers.append(position >= 0 && position < f.mapNums.size() ? f.mapNums.at(position) : 0);
    }
    f.mappings = names;
    f.mapNums = numbers;
    const QModelIndex cell = this->index(OutputRow, index.column());
    emit dataChanged(cell, cell);
}

void PdfSetModel::togglePrint(int field)
{
    if (!isField(field))
        return;
    fields_[field].toPrint = !fields_[field].toPrint;
    const QModelIndex cell = index(PrintRow, field);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

bool PdfSetModel::isPrinted(int field) const
{
    return isField(field) && fields_[field].toPrint;
}

StatementField PdfSetModel::field(int field) const
{
    return isField(field) ? fields_[field] : StatementField();
}

QList<StatementField> PdfSetModel::fields() const
{
    return QList<StatementField>(fields_.begin(), fields_.end());
}

int PdfSetModel::maxLineCount(int row) const
{
    int count = 1;
    for (const StatementField &f : fields_) {
        if (row == OutputRow)
            count = qMax(count, f.mappings.size());
        else if (row == RuleRow)
            count = qMax(count, f.rules.size());
    }
    return count;
}

void PdfSetModel::clearInputSources()
{
    beginResetModel();
    for (StatementField &f : fields_) {
        f.mappings.clear();
        f.mapNums.clear();
    }
    endResetModel();
}

void PdfSetModel::clear()
{
    beginResetModel();
    fields_.fill(StatementField());
    endResetModel();
}

void PdfSetModel::save(ConvertSetting &setting) const
{
    setting.statementFields = fields();
}

void PdfSetModel::load(const ConvertSetting &setting)
{
    beginResetModel();
    const QList<StatementField> &loaded = setting.statementFields;
    for (int c = 0; c < StatementFields::Count; ++c)
        fields_[c] = c < loaded.size() ? loaded.at(c) : StatementField();
    endResetModel();
}
