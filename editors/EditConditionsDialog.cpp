#include "editors/EditConditionsDialog.h"

#include "editors/DescriptionDelegate.h"
#include "editors/models/OutputModeModel.h"
#include "language/RuleDescription.h"
#include "language/RuleText.h"
#include "language/TextTest.h"
#include "ui_EditConditionsDialog.h"

#include <QSignalBlocker>
#include <QStatusBar>

namespace {

enum Type
{
    TextType,
    NumberType
};

constexpr int Unlimited = 2;

const QString unLimit = QStringLiteral("unLimit");

// Names of a bound by combo box index; the last is "unLimit".
const QStringList lowerBounds = {QStringLiteral("greaterThan"), QStringLiteral("notLessThan"),
                                 unLimit};
const QStringList upperBounds = {QStringLiteral("lessThan"), QStringLiteral("notGreaterThan"),
                                 unLimit};

// Shows a stored bound in its combo and spin box; an unknown bound leaves both as they are.
void showBound(const QString &bound, const QStringList &names, QComboBox *combo, QSpinBox *spin)
{
    const int index = names.indexOf(ruleFunctionName(bound));
    if (index < 0)
        return;
    combo->setCurrentIndex(index);
    spin->setEnabled(index != Unlimited);
    spin->setValue(index == Unlimited ? 0 : ruleArgumentNumber(bound));
}

QString boundText(const QStringList &names, const QComboBox *combo, const QSpinBox *spin)
{
    const int index = combo->currentIndex();
    if (index == Unlimited)
        return unLimit;
    return names.value(index) + QLatin1Char('(') + QString::number(spin->value()) +
           QLatin1Char(')');
}

} // namespace

EditConditionsDialog::EditConditionsDialog(OutputModeModel *model, const QModelIndex &index,
                                           QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::EditConditionsDialog>()), model_(model), index_(index)
{
    ui->setupUi(this);
    addStatusBar();
    ui->itemListWidget->addItems(model->data(index, Qt::EditRole).toStringList());
    // The tip reads the stored test, so it follows every apply at once.
    const auto describe = [this](const QModelIndex &row) {
        return RuleDescription::condition(row.data().toString(),
                                          model_->item(index_.column()).condRules.value(row.row()));
    };
    ui->itemListWidget->setItemDelegate(new DescriptionDelegate(
        describe, DescriptionDelegate::Shown::ToolTipOnly, ui->itemListWidget));
    const QString combination = model->item(index.column()).condCombination;
    ui->combinationComboBox->setCurrentIndex(combination == QLatin1String("OR") ? 1 : 0);

    const auto comboChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    const auto spinChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(ui->minComboBox, comboChanged, this, &EditConditionsDialog::numberConditionChanged);
    connect(ui->maxComboBox, comboChanged, this, &EditConditionsDialog::numberConditionChanged);
    connect(ui->minSpinBox, spinChanged, this, &EditConditionsDialog::numberConditionChanged);
    connect(ui->maxSpinBox, spinChanged, this, &EditConditionsDialog::numberConditionChanged);
    resetFields();
}

EditConditionsDialog::~EditConditionsDialog() = default;

void EditConditionsDialog::selectLastRow()
{
    ui->itemListWidget->setCurrentRow(ui->itemListWidget->count() - 1);
}

void EditConditionsDialog::on_itemListWidget_currentRowChanged(int row)
{
    resetFields();
    showCondition(model_->item(index_.column()).condRules.value(row));
    // Filling the fields is no change of the user's.
    ui->saveButton->setEnabled(false);
}

void EditConditionsDialog::on_findLineEdit_textChanged(const QString &text)
{
    // Clearing the text does not disable apply: an empty text can be stored.
    if (!text.isEmpty())
        ui->saveButton->setEnabled(true);
}

void EditConditionsDialog::on_findComboBox_currentIndexChanged(int)
{
    ui->saveButton->setEnabled(!ui->findLineEdit->text().isEmpty());
}

void EditConditionsDialog::on_typeComboBox_currentIndexChanged(int index)
{
    ui->saveButton->setEnabled(index == NumberType || !ui->findLineEdit->text().isEmpty());
}

void EditConditionsDialog::numberConditionChanged()
{
    for (const auto &[combo, spin] :
         {std::pair{ui->minComboBox, ui->minSpinBox}, std::pair{ui->maxComboBox, ui->maxSpinBox}}) {
        const bool unlimited = combo->currentIndex() == Unlimited;
        if (unlimited)
            spin->setValue(0);
        spin->setEnabled(!unlimited);
    }
    ui->saveButton->setEnabled(true);
}

void EditConditionsDialog::on_saveButton_clicked()
{
    const int row = ui->itemListWidget->currentRow();
    // Without a selected condition there is nothing to store the fields into.
    if (row < 0 || !index_.isValid())
        return;
    OutputItem item = model_->item(index_.column());
    while (item.condRules.size() <= row)
        item.condRules.append(QString());
    item.condRules[row] = shownCondition();
    model_->replaceItem(index_.column(), item);
    ui->saveButton->setEnabled(false);
    statusBar()->showMessage(tr("Setting has saved"));
}

void EditConditionsDialog::on_delButton_clicked()
{
    const int row = ui->itemListWidget->currentRow();
    if (row < 0)
        return;
    model_->removeCondition(index_, row);
    {
        // While the row goes, the list names the row below it by its old
        // number, which the model no longer has.
        const QSignalBlocker blocker(ui->itemListWidget);
        delete ui->itemListWidget->takeItem(row);
    }
    on_itemListWidget_currentRowChanged(ui->itemListWidget->currentRow());
}

void EditConditionsDialog::on_okButton_clicked()
{
    if (index_.isValid()) {
        OutputItem item = model_->item(index_.column());
        item.condCombination = ui->combinationComboBox->currentIndex() == 0 ? QStringLiteral("AND")
                                                                            : QStringLiteral("OR");
        model_->replaceItem(index_.column(), item);
    }
    accept();
}

void EditConditionsDialog::resetFields()
{
    ui->typeComboBox->setCurrentIndex(TextType);
    ui->findComboBox->setCurrentIndex(0);
    ui->findLineEdit->clear();
    // Unbounded both ways, so a number test applied as it comes holds every
    // number instead of none.
    ui->minComboBox->setCurrentIndex(Unlimited);
    ui->maxComboBox->setCurrentIndex(Unlimited);
    ui->saveButton->setEnabled(false);
}

void EditConditionsDialog::showCondition(const QString &condition)
{
    if (condition.isEmpty())
        return;
    if (ruleFunctionName(condition) == QLatin1String("range")) {
        ui->typeComboBox->setCurrentIndex(NumberType);
        const QStringList bounds = ruleArgumentText(condition).split(QLatin1Char(','));
        showBound(bounds.value(0), lowerBounds, ui->minComboBox, ui->minSpinBox);
        showBound(bounds.value(1), upperBounds, ui->maxComboBox, ui->maxSpinBox);
        return;
    }
    ui->typeComboBox->setCurrentIndex(TextType);
    ui->findLineEdit->setText(ruleArgumentText(condition));
    ui->findComboBox->setCurrentIndex(
        qMax(0, TextTest::names().indexOf(ruleFunctionName(condition))));
}

QString EditConditionsDialog::shownCondition() const
{
    if (ui->conditionPages->currentIndex() == TextType) {
        return TextTest::names().value(ui->findComboBox->currentIndex()) + QLatin1Char('(') +
               ui->findLineEdit->text() + QLatin1Char(')');
    }
    return QStringLiteral("range(") + boundText(lowerBounds, ui->minComboBox, ui->minSpinBox) +
           QLatin1Char(',') + boundText(upperBounds, ui->maxComboBox, ui->maxSpinBox) +
           QLatin1Char(')');
}
