#pragma once

#include "editors/Dialog.h"
#include "settings/ConvertSetting.h"

#include <QPersistentModelIndex>
#include <memory>

class InputModeModel;
class OutputModeModel;
class OutputPreviewModel;
class PdfSetModel;
class QStringListModel;
class QTableView;

namespace Ui {
class ConvertSettingDialog;
}

// Creates or edits one convert setting: its name, the input forms read from
// sample files, the output items built by dragging input items and company
// fields onto them, and the purchase statement. Nothing reaches the settings
// file before Save, which writes the whole setting at once and keeps the
// shared list of setting names in step.
class ConvertSettingDialog : public Dialog
{
    Q_OBJECT
public:
    ConvertSettingDialog(QStringListModel *settingNames, QWidget *parent = nullptr);
    ~ConvertSettingDialog() override;

    // Loads the setting named at index, a row of the setting-name model.
    void load(const QModelIndex &index);

protected:
    void reject() override;

private Q_SLOTS:
    void on_addInputFileButton_clicked();
    void on_addItemButton_clicked();
    void on_deleteItemButton_clicked();
    void on_leftButton_clicked();
    void on_rightButton_clicked();
    void on_saveButton_clicked();
    void on_outputModeView_doubleClicked(const QModelIndex &index);
    void on_inputFileComboBox_currentIndexChanged(int index);
    void on_clearInputFileButton_clicked();
    void on_insertItemButton_clicked();
    void on_outputModeView_clicked(const QModelIndex &index);
    void on_pdfCheckBox_toggled(bool checked);
    void on_pdfModelView_doubleClicked(const QModelIndex &index);
    void on_pdfModelView_clicked(const QModelIndex &index);
    void outputItemChanged(const QModelIndex &index);
    void pdfItemChanged(const QModelIndex &index);
    void refreshPreview();
    void alignPreviewColumn(int column);
    void discard();

private:
    void connectPreview();
    void fillEncodings();
    void showEncoding(const QString &stored);
    void addInputFile(const QString &path);
    void editNewItem(const QModelIndex &index);
    void showEditor(Dialog *editor);
    void runEditor(Dialog *editor);
    void setRowHeight(QTableView *view, int row, int lines);
    void sizeTables();
    void commitOpenEditor();
    StatementOptions statementOptions() const;
    ConvertSetting settingFromForm() const;
    void updateNames(const QString &name);
    QStringList exampleRow() const;

    std::unique_ptr<Ui::ConvertSettingDialog> ui;
    InputModeModel *inputModel_;
    OutputModeModel *outputModel_;
    PdfSetModel *pdfModel_;
    OutputPreviewModel *previewModel_;
    QStringListModel *settingNames_;
    QPersistentModelIndex loadedIndex_;
    QString loadedName_;
    // The stored font family and the family the box showed for it: a family
    // this system lacks is shown as another, yet kept unless the user picks one.
    QString loadedFont_;
    QString shownFont_;
    ConvertSetting shown_; // as loaded, to tell unsaved changes on closing
    bool closing_ = false; // set by Save and Cancel, which need no question
};
