#pragma once

#include "editors/Dialog.h"

#include <QPair>
#include <QStringList>
#include <memory>

class QModelIndex;

namespace Ui {
class KeySelectDialog;
}

// Asks for the pair of key columns on which a further sample file is joined:
// one of the current combined header, one of the new file's header. A
// selection is a row number, -1 while nothing is chosen.
class KeySelectDialog : public Dialog
{
    Q_OBJECT
public:
    KeySelectDialog(const QStringList &existingHeads, const QStringList &newHeads, int existingRow,
                    int newRow, QWidget *parent = nullptr);
    ~KeySelectDialog() override;

    int existingSelection() const { return existing_; }
    int newSelection() const { return new_; }

    // The first pair of equal names, walking the combined header and, for each
    // of its names, the new header; {-1, -1} when they share none.
    static QPair<int, int> preselection(const QStringList &existingHeads,
                                        const QStringList &newHeads);

private Q_SLOTS:
    void on_originalDataListWidget_clicked(const QModelIndex &index);
    void on_newDataListWidget_clicked(const QModelIndex &index);
    void takeSelections();

private:
    std::unique_ptr<Ui::KeySelectDialog> ui;
    int existing_ = -1;
    int new_ = -1;
};
