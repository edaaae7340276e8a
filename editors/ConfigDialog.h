#pragma once

#include "editors/Dialog.h"

#include <memory>

class QLineEdit;
class QModelIndex;
class QStringListModel;

namespace Ui {
class ConfigDialog;
}

// The preferences window: the company information, saved with OK, and the
// list of convert settings, whose add, change and delete take effect at once.
class ConfigDialog : public Dialog
{
    Q_OBJECT
public:
    enum Page
    {
        CompanyPage,
        SettingsPage
    };

    ConfigDialog(QStringListModel *settingNames, QWidget *parent = nullptr);
    ~ConfigDialog() override;

    void setCurrentPage(int page);

public Q_SLOTS:
    void editSetting(const QModelIndex &index);

protected:
    void reject() override;

private Q_SLOTS:
    void on_addButton_clicked();
    void on_setButton_clicked();
    void on_copyButton_clicked();
    void on_deleteButton_clicked();
    void on_okButton_clicked();
    void discard();

private:
    QList<QLineEdit *> companyEdits() const;
    QStringList companyTexts() const;
    void openConvertSettingDialog(const QModelIndex &index);

    std::unique_ptr<Ui::ConfigDialog> ui;
    QStringListModel *settingNames_;
    QStringList loadedCompany_; // as shown after loading, to tell typed changes
    bool closing_ = false;      // set by OK and Cancel, which need no question
};
