#include "editors/KeySelectDialog.h"

#include "ui_KeySelectDialog.h"

#include <QListWidget>

namespace {

// The selected row, -1 when none is; what the user sees highlighted.
int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.constFirst());
}

} // namespace

KeySelectDialog::KeySelectDialog(const QStringList &existingHeads, const QStringList &newHeads,
                                 int existingRow, int newRow, QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::KeySelectDialog>())
{
    ui->setupUi(this);
    addStatusBar();
    ui->originalDataListWidget->addItems(existingHeads);
    ui->newDataListWidget->addItems(newHeads);
    if (existingRow >= 0 && newRow >= 0 && existingRow < existingHeads.size() &&
        newRow < newHeads.size()) {
        ui->originalDataListWidget->setCurrentRow(existingRow);
        ui->newDataListWidget->setCurrentRow(newRow);
        existing_ = existingRow;
        new_ = newRow;
    }
    // Choosing by keyboard counts as much as a click.
    connect(ui->originalDataListWidget, &QListWidget::itemSelectionChanged, this,
            &KeySelectDialog::takeSelections);
    connect(ui->newDataListWidget, &QListWidget::itemSelectionChanged, this,
            &KeySelectDialog::takeSelections);
}

KeySelectDialog::~KeySelectDialog() = default;

QPair<int, int> KeySelectDialog::preselection(const QStringList &existingHeads,
                                              const QStringList &newHeads)
{
    for (int e = 0; e < existingHeads.size(); ++e) {
        const int n = newHeads.indexOf(existingHeads.at(e));
        if (n >= 0)
            return {e, n};
    }
    return {-1, -1};
}

void KeySelectDialog::on_originalDataListWidget_clicked(const QModelIndex &)
{
    takeSelections();
}

void KeySelectDialog::on_newDataListWidget_clicked(const QModelIndex &)
{
    takeSelections();
}

void KeySelectDialog::takeSelections()
{
    existing_ = selectedRow(ui->originalDataListWidget);
    new_ = selectedRow(ui->newDataListWidget);
}
