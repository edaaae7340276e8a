#include "editors/ConfigDialog.h"

#include "editors/ConvertSettingDialog.h"
#include "editors/Desktop.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "settings/Settings.h"
#include "ui_ConfigDialog.h"

#include <QRegularExpressionValidator>
#include <QStringListModel>
#include <algorithm>

namespace {

// Shows a stored value. A value that does not fit the edit's mask (one saved
// before, or typed elsewhere) would be cut to the mask and saved so by OK, so
// that edit shows it without the mask instead.
void showValue(QLineEdit *edit, const QString &value)
{
    edit->setText(value);
    // An empty masked edit would take typing only from its first blank on.
    if (value.isEmpty())
        edit->setCursorPosition(0);
    if (edit->text() == value || value.isEmpty())
        return;
    edit->setInputMask(QString());
    edit->setText(value);
}

// What the edit stores: its text, except that a masked edit with nothing
// typed into it stores nothing rather than the mask's separators.
QString storedText(const QLineEdit *edit)
{
    const QString text = edit->text();
    if (edit->inputMask().isEmpty())
        return text;
    const bool typed =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return typed ? text : QString();
}

} // namespace

ConfigDialog::ConfigDialog(QStringListModel *settingNames, QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::ConfigDialog>()), settingNames_(settingNames)
{
    ui->setupUi(this);
    addStatusBar();
    ui->settingListView->setModel(settingNames_);

    // Numbers group differently by area and carrier (03-1234-5678,
    // 0541-23-4567, 090-1234-5678): digits and hyphens in any grouping.
    auto *phone =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), this);
    ui->TelEdit->setValidator(phone);
    ui->FaxEdit->setValidator(phone);

    const CompanyInfo company = CompanyInfo::read();
    const QList<QLineEdit *> edits = companyEdits();
    for (int code = 0; code < edits.size(); ++code)
        showValue(edits.at(code), company.value(code));
    loadedCompany_ = companyTexts();

    connect(ui->settingListView, &QListView::doubleClicked, this, &ConfigDialog::editSetting);
    connect(ui->cancelButton, &QPushButton::clicked, this, &ConfigDialog::discard);
}

ConfigDialog::~ConfigDialog() = default;

void ConfigDialog::setCurrentPage(int page)
{
    ui->tabWidget->setCurrentIndex(page);
}

QList<QLineEdit *> ConfigDialog::companyEdits() const
{
    // In the order of the company field codes 0..7.
    return {ui->CompanyNameEdit, ui->StoreNameEdit, ui->StoreSiteEdit, ui->PostCodeEdit,
            ui->AddressEdit,     ui->TelEdit,       ui->FaxEdit,       ui->EmailEdit};
}

QStringList ConfigDialog::companyTexts() const
{
    QStringList texts;
    for (const QLineEdit *edit : companyEdits())
        texts.append(storedText(edit));
    return texts;
}

void ConfigDialog::on_addButton_clicked()
{
    openConvertSettingDialog(QModelIndex());
}

void ConfigDialog::editSetting(const QModelIndex &index)
{
    if (index.isValid())
        openConvertSettingDialog(index);
}

void ConfigDialog::on_setButton_clicked()
{
    editSetting(ui->settingListView->currentIndex());
}

void ConfigDialog::openConvertSettingDialog(const QModelIndex &index)
{
    auto *dialog = new ConvertSettingDialog(settingNames_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The convert setting dialogs opened from here ask the same desktop.
    dialog->setDesktop(desktop());
    if (index.isValid())
        dialog->load(index);
    dialog->show();
}

void ConfigDialog::on_copyButton_clicked()
{
    const QModelIndex index = ui->settingListView->currentIndex();
    if (!index.isValid() || !settingsFileMayBeSaved())
        return;
    ConvertSetting setting = ConvertSettingStore::load(index.data().toString());
    const QString base = tr("%1 copy").arg(setting.name);
    QString name = base;
    for (int n = 2; ConvertSettingStore::contains(name); ++n)
        name = base + QLatin1Char(' ') + QString::number(n);
    setting.name = name;
    if (!ConvertSettingStore::save(setting)) {
        warn(tr("Cannot write the settings file '%1'.").arg(Settings::filePath()));
        return;
    }
    const int row = index.row() + 1;
    settingNames_->insertRow(row);
    const QModelIndex copy = settingNames_->index(row);
    settingNames_->setData(copy, name);
    ui->settingListView->setCurrentIndex(copy);
    openConvertSettingDialog(copy);
}

void ConfigDialog::on_deleteButton_clicked()
{
    const QModelIndex index = ui->settingListView->currentIndex();
    if (!index.isValid())
        return;
    const QString name = index.data().toString();
    if (!settingsFileMayBeSaved())
        return;
    // One click too many must not cost a setting.
    if (!desktop()->confirm(this, tr("Delete"), tr("Delete the convert setting '%1'?").arg(name)))
        return;
    // The row goes only with the stored setting, so the list never hides one
    // that is still in the file.
    if (!ConvertSettingStore::remove(name)) {
        warn(tr("Cannot delete the convert setting '%1'.").arg(name));
        return;
    }
    settingNames_->removeRow(index.row());
}

void ConfigDialog::on_okButton_clicked()
{
    CompanyInfo company;
    const QStringList texts = companyTexts();
    for (int code = 0; code < texts.size(); ++code)
        company.setValue(code, texts.at(code));
    if (!settingsFileMayBeSaved())
        return;
    if (!company.write()) {
        warn(tr("Cannot write the settings file '%1'.").arg(Settings::filePath()));
        return;
    }
    closing_ = true;
    accept();
}

void ConfigDialog::discard()
{
    closing_ = true;
    close();
}

void ConfigDialog::reject()
{
    // Escape and the window's close button would otherwise drop typed company
    // information without a word; Cancel says so itself.
    if (!closing_ && companyTexts() != loadedCompany_ &&
        !desktop()->confirm(this, tr("Unsaved changes"),
                            tr("The company information has changed.\nDiscard the changes?")))
        return;
    closing_ = false;
    Dialog::reject();
}
