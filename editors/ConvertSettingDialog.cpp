#include "editors/ConvertSettingDialog.h"
#include "settings/Messages.h"

#include "csv/CsvReader.h"
#include "csv/OutputEncoding.h"
#include "editors/DescriptionDelegate.h"
#include "editors/Desktop.h"
#include "editors/EditConditionsDialog.h"
#include "editors/EditOutputItemsDialog.h"
#include "editors/KeySelectDialog.h"
#include "editors/MergeDialog.h"
#include "editors/OutputPreview.h"
#include "editors/PdfRuleDialog.h"
#include "editors/RuleDialog.h"
#include "editors/models/ColumnLetters.h"
#include "editors/models/InputModeModel.h"
#include "editors/models/OutputModeModel.h"
#include "editors/models/OutputPreviewModel.h"
#include "editors/models/PdfSetModel.h"
#include "language/RuleDescription.h"
#include "settings/ConvertSettingStore.h"
#include "settings/Settings.h"
#include "settings/UserPreferences.h"
#include "statement/StatementFont.h"
#include "ui_ConvertSettingDialog.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QStringListModel>
#include <algorithm>

namespace {

// The dialog keeps the header and two example rows of its input forms.
constexpr int ShownInputRows = 3;

// The conditions, rules and merge of an output item in words.
QString describeOutputCell(const OutputModeModel *model, const QModelIndex &index)
{
    const OutputItem item = model->item(index.column());
    switch (index.row()) {
    case OutputModeModel::ConditionsRow:
        return RuleDescription::conditions(item.conditions, item.condRules, item.condCombination);
    case OutputModeModel::RulesRow:
        return RuleDescription::rules(item.rules, item.afterRules);
    case OutputModeModel::MergeRow:
        return RuleDescription::merge(item.merge, item.mergeSeparator);
    default:
        return QString();
    }
}

QString describeStatementCell(const QModelIndex &index)
{
    if (index.row() != PdfSetModel::RuleRow)
        return QString();
    return RuleDescription::rules(index.data(Qt::EditRole).toStringList());
}

} // namespace

ConvertSettingDialog::ConvertSettingDialog(QStringListModel *settingNames, QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::ConvertSettingDialog>()),
      inputModel_(new InputModeModel(this)), outputModel_(new OutputModeModel(this)),
      pdfModel_(new PdfSetModel(this)), previewModel_(new OutputPreviewModel(this)),
      settingNames_(settingNames)
{
    ui->setupUi(this);
    ui->InputModeView->setModel(inputModel_);
    ui->outputModeView->setModel(outputModel_);
    ui->pdfModelView->setModel(pdfModel_);
    ui->previewView->setModel(previewModel_);
    const auto shown = DescriptionDelegate::Shown::TextAndToolTip;
    ui->outputModeView->setItemDelegate(new DescriptionDelegate(
        [this](const QModelIndex &index) { return describeOutputCell(outputModel_, index); }, shown,
        this));
    ui->pdfModelView->setItemDelegate(new DescriptionDelegate(describeStatementCell, shown, this));

    ui->outputModeView->setMouseTracking(true);
    ui->pdfModelView->setMouseTracking(true);
    QFont font = ui->outputModeView->font();
    font.setPixelSize(12);
    ui->outputModeView->setFont(font);
    addStatusBar();
    fillEncodings();
    // The tables scroll; the window opens at the form's size.
    resize(1000, 750);

    connect(outputModel_, &OutputModeModel::itemChanged, this,
            &ConvertSettingDialog::outputItemChanged);
    connect(pdfModel_, &PdfSetModel::dataChanged, this, &ConvertSettingDialog::pdfItemChanged);
    connect(ui->cancelButton, &QPushButton::clicked, this, &ConvertSettingDialog::discard);
    connectPreview();

    setWindowFlags(Qt::Window);
    ui->outputTabWidget->setTabEnabled(ui->outputTabWidget->indexOf(ui->pdfTab), false);
    sizeTables();
    refreshPreview();

    ui->fontComboBox->setCurrentFont(statementFont(QString()));
    loadedFont_ = shownFont_ = ui->fontComboBox->currentFont().family();
    shown_ = settingFromForm();
}

ConvertSettingDialog::~ConvertSettingDialog() = default;

// Each entry keeps the name the setting stores; in the order of kinds().
void ConvertSettingDialog::fillEncodings()
{
    const QStringList texts{tr("시스템 기본값"), QStringLiteral("UTF-8"), tr("UTF-8 (BOM 포함)"),
                            QStringLiteral("Shift_JIS (CP932)")};
    const QVector<OutputEncoding::Kind> &kinds = OutputEncoding::kinds();
    for (int i = 0; i < kinds.size(); ++i)
        ui->encodingComboBox->addItem(texts.value(i), OutputEncoding::storedName(kinds.at(i)));
}

// A name this program does not know is shown as it is stored, and kept.
void ConvertSettingDialog::showEncoding(const QString &stored)
{
    OutputEncoding::Kind kind;
    const QString name =
        OutputEncoding::fromName(stored, &kind) ? OutputEncoding::storedName(kind) : stored;
    int index = ui->encodingComboBox->findData(name);
    if (index < 0) {
        ui->encodingComboBox->addItem(name, name);
        index = ui->encodingComboBox->count() - 1;
    }
    ui->encodingComboBox->setCurrentIndex(index);
}

void ConvertSettingDialog::connectPreview()
{
    for (const QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(outputModel_),
                                            static_cast<QAbstractItemModel *>(inputModel_)}) {
        connect(model, &QAbstractItemModel::dataChanged, this,
                &ConvertSettingDialog::refreshPreview);
        connect(model, &QAbstractItemModel::modelReset, this,
                &ConvertSettingDialog::refreshPreview);
        connect(model, &QAbstractItemModel::rowsInserted, this,
                &ConvertSettingDialog::refreshPreview);
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                &ConvertSettingDialog::refreshPreview);
        connect(model, &QAbstractItemModel::columnsInserted, this,
                &ConvertSettingDialog::refreshPreview);
        connect(model, &QAbstractItemModel::columnsRemoved, this,
                &ConvertSettingDialog::refreshPreview);
        connect(model, &QAbstractItemModel::columnsMoved, this,
                &ConvertSettingDialog::refreshPreview);
    }
    // The preview's columns stand under the items they show.
    connect(ui->outputModeView->horizontalHeader(), &QHeaderView::sectionResized, this,
            &ConvertSettingDialog::alignPreviewColumn);
    QScrollBar *output = ui->outputModeView->horizontalScrollBar();
    QScrollBar *preview = ui->previewView->horizontalScrollBar();
    connect(output, &QScrollBar::valueChanged, preview, &QScrollBar::setValue);
    connect(preview, &QScrollBar::valueChanged, output, &QScrollBar::setValue);
}

void ConvertSettingDialog::load(const QModelIndex &index)
{
    loadedIndex_ = index;
    loadedName_ = index.data().toString();
    ui->settingNameEdit->setText(loadedName_);

    const ConvertSetting setting =
        ConvertSettingStore::load(loadedName_, ConvertSettingStore::Defaults::Editor);
    const StatementOptions &options = setting.statement;
    if (options.generate)
        ui->pdfCheckBox->setChecked(true);
    ui->titleLineEdit->setText(options.title);
    ui->mentTextEdit->setPlainText(options.ment);
    ui->commentTextEdit->setPlainText(options.comment);
    // Without a stored font the statement is printed in a Japanese one: show
    // that one, and store what is shown.
    ui->fontComboBox->setCurrentFont(options.font.isEmpty() ? statementFont(QString())
                                                            : QFont(options.font));
    shownFont_ = ui->fontComboBox->currentFont().family();
    loadedFont_ = options.font.isEmpty() ? shownFont_ : options.font;
    ui->companyNameCheckBox->setChecked(options.printCompanyName);
    ui->storeNameCheckBox->setChecked(options.printStoreName);
    ui->storeSiteCheckBox->setChecked(options.printStoreSite);
    ui->storePostCodeCheckBox->setChecked(options.printStorePostCode);
    ui->storeAddressCheckBox->setChecked(options.printStoreAddress);
    ui->storeTelCheckBox->setChecked(options.printStoreTel);
    ui->storeFaxCheckBox->setChecked(options.printStoreFax);
    ui->storeEmailCheckBox->setChecked(options.printStoreEmail);
    showEncoding(setting.outputEncoding);
    ui->replaceCheckBox->setChecked(setting.replaceUnencodable);

    inputModel_->load(setting);
    outputModel_->load(setting);
    pdfModel_->load(setting);
    ui->inputFileComboBox->addItems(inputModel_->formNames());
    sizeTables();
    shown_ = settingFromForm();
}

void ConvertSettingDialog::setRowHeight(QTableView *view, int row, int lines)
{
    const int height = lines * QFontMetrics(view->font()).height() + 4;
    // Japanese lines come from a fallback font with taller lines than the
    // table's own, and the shown descriptions may take more lines than the
    // stored strings: the row grows until its cells fit.
    const QAbstractItemView *cells = view;
    view->setRowHeight(row, std::max({height, view->verticalHeader()->minimumSectionSize(),
                                      cells->sizeHintForRow(row)}));
}

void ConvertSettingDialog::sizeTables()
{
    ui->InputModeView->resizeColumnsToContents();
    ui->outputModeView->resizeColumnsToContents();
    ui->pdfModelView->resizeColumnsToContents();
    for (int row = 0; row < outputModel_->rowCount(); ++row)
        setRowHeight(ui->outputModeView, row, outputModel_->maxLineCount(row));
    for (int row = 0; row < pdfModel_->rowCount(); ++row)
        setRowHeight(ui->pdfModelView, row, pdfModel_->maxLineCount(row));
}

// ---- input forms

void ConvertSettingDialog::on_addInputFileButton_clicked()
{
    const QStringList paths =
        desktop()->getOpenFileNames(this, tr("Load File(s)"), UserPreferences::lastDirectory(),
                                    tr("CSV Files (*.csv);;All Files (*.*)"));
    if (paths.isEmpty())
        return;
    UserPreferences::rememberFolderOf(paths.first());
    for (const QString &path : paths)
        addInputFile(path);
}

void ConvertSettingDialog::addInputFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Cannot open file '%1':\n%2.").arg(path, Messages::reason(file.errorString())));
        return;
    }
    const CsvRows read = readCsvRows(file);
    if (file.error() != QFileDevice::NoError) {
        warn(tr("Cannot open file '%1':\n%2.").arg(path, Messages::reason(file.errorString())));
        return;
    }
    file.close();
    if (read.isMalformed()) {
        warn(tr("Input file has a malformed record:\n%1 (line %2).")
                 .arg(path, QString::number(read.malformedLine)));
        return;
    }
    const QList<QStringList> fileRows = read.lists();
    const QStringList heads = fileRows.value(0);
    if (heads.isEmpty() || heads == QStringList(QString())) {
        warn(tr("Input file has no header line:\n%1.").arg(path));
        return;
    }

    const QString fileName = QFileInfo(path).fileName();
    if (inputModel_->isEmpty() || inputModel_->columnCount() == 0) {
        inputModel_->setFirstForm(fileRows.mid(0, ShownInputRows), fileName);
    } else {
        const QStringList existing = inputModel_->header();
        const QPair<int, int> preselected = KeySelectDialog::preselection(existing, heads);
        KeySelectDialog keys(existing, heads, preselected.first, preselected.second, this);
        keys.setDesktop(desktop());
        if (desktop()->runModal(&keys) != QDialog::Accepted)
            return;
        if (keys.existingSelection() < 0 || keys.newSelection() < 0) {
            warn(tr("Matching key was not selected"));
            return;
        }
        if (!inputModel_->joinForm(fileRows, keys.existingSelection(), keys.newSelection(),
                                   fileName))
            return;
    }
    const int rows = inputModel_->rowCount();
    if (rows > ShownInputRows)
        inputModel_->removeRows(ShownInputRows, rows - ShownInputRows);
    ui->InputModeView->resizeColumnsToContents();
    ui->inputFileComboBox->addItem(fileName);
}

void ConvertSettingDialog::on_clearInputFileButton_clicked()
{
    inputModel_->clear();
    outputModel_->clearInputSources();
    pdfModel_->clearInputSources();
    ui->inputFileComboBox->clear();
    sizeTables();
}

void ConvertSettingDialog::on_inputFileComboBox_currentIndexChanged(int index)
{
    if (index < 0 || inputModel_->columnCount() == 0)
        return;
    const int column = qMin(inputModel_->firstColumnOfForm(index), inputModel_->columnCount() - 1);
    QTableView *view = ui->InputModeView;
    view->setCurrentIndex(inputModel_->index(0, column));
    view->horizontalScrollBar()->setValue(view->horizontalHeader()->sectionPosition(column));
    view->setFocus();
}

// ---- output items

void ConvertSettingDialog::editNewItem(const QModelIndex &index)
{
    ui->outputModeView->setCurrentIndex(index);
    ui->outputModeView->edit(index);
}

void ConvertSettingDialog::on_addItemButton_clicked()
{
    editNewItem(outputModel_->appendItem());
}

void ConvertSettingDialog::on_insertItemButton_clicked()
{
    const QModelIndex current = ui->outputModeView->currentIndex();
    if (current.isValid())
        editNewItem(outputModel_->insertItem(current.column()));
}

void ConvertSettingDialog::on_deleteItemButton_clicked()
{
    const QModelIndex current = ui->outputModeView->currentIndex();
    if (!current.isValid())
        return;
    outputModel_->removeItem(current.column());
    ui->outputModeView->setCurrentIndex(QModelIndex());
}

void ConvertSettingDialog::on_leftButton_clicked()
{
    const QModelIndex current = ui->outputModeView->currentIndex();
    if (!current.isValid() || current.column() == 0)
        return;
    // Moved by its name cell: a move reports both cells as changed, and a
    // Conditions cell reported so would open the conditions editor.
    outputModel_->moveLeft(outputModel_->index(OutputModeModel::NameRow, current.column()));
    const QModelIndex moved = outputModel_->index(OutputModeModel::NameRow, current.column() - 1);
    ui->outputModeView->setCurrentIndex(moved);
    ui->outputModeView->setFocus();
    ui->outputModeView->scrollTo(moved);
}

void ConvertSettingDialog::on_rightButton_clicked()
{
    const QModelIndex current = ui->outputModeView->currentIndex();
    if (!current.isValid() || current.column() >= outputModel_->columnCount() - 1)
        return;
    outputModel_->moveRight(outputModel_->index(OutputModeModel::NameRow, current.column()));
    ui->outputModeView->viewport()->update();
    const QModelIndex moved = outputModel_->index(OutputModeModel::NameRow, current.column() + 1);
    ui->outputModeView->setCurrentIndex(moved);
    ui->outputModeView->setFocus();
    ui->outputModeView->scrollTo(moved);
}

void ConvertSettingDialog::on_outputModeView_clicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    if (index.row() == OutputModeModel::DistinctRow)
        outputModel_->toggleDistinct(index.column());
    ui->outputModeView->setCurrentIndex(index);
}

void ConvertSettingDialog::on_outputModeView_doubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    switch (index.row()) {
    case OutputModeModel::OutputRow:
        showEditor(new EditOutputItemsDialog(outputModel_, index, this));
        break;
    case OutputModeModel::ConditionsRow:
        if (outputModel_->conditionCount(index) > 0)
            showEditor(new EditConditionsDialog(outputModel_, index, this));
        break;
    case OutputModeModel::RulesRow: {
        auto *rules = new RuleDialog(outputModel_, index, this);
        rules->setSampleValue(OutputPreview::sourceValue(outputModel_->item(index.column()),
                                                         exampleRow(), CompanyInfo::read()));
        showEditor(rules);
        break;
    }
    case OutputModeModel::DistinctRow:
        ui->outputModeView->setCurrentIndex(
            outputModel_->index(OutputModeModel::NameRow, index.column()));
        break;
    case OutputModeModel::MergeRow:
        showEditor(new MergeDialog(outputModel_, index, this));
        break;
    default: // the name is edited in place
        break;
    }
}

void ConvertSettingDialog::outputItemChanged(const QModelIndex &index)
{
    ui->outputModeView->resizeColumnToContents(index.column());
    setRowHeight(ui->outputModeView, index.row(), outputModel_->maxLineCount(index.row()));
    if (index.row() != OutputModeModel::ConditionsRow)
        return;
    // A drop on the Conditions row leads straight to the test of the new condition.
    auto *conditions = new EditConditionsDialog(outputModel_, index, this);
    conditions->selectLastRow();
    showEditor(conditions);
}

void ConvertSettingDialog::showEditor(Dialog *editor)
{
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setDesktop(desktop());
    // Some edits (a separator) tell the model nothing.
    connect(editor, &QDialog::finished, this, &ConvertSettingDialog::refreshPreview);
    editor->show();
}

// ---- statement

void ConvertSettingDialog::on_pdfCheckBox_toggled(bool checked)
{
    ui->outputTabWidget->setTabEnabled(ui->outputTabWidget->indexOf(ui->pdfTab), checked);
}

void ConvertSettingDialog::on_pdfModelView_clicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    if (index.row() == PdfSetModel::PrintRow)
        pdfModel_->togglePrint(index.column());
    ui->pdfModelView->setCurrentIndex(index);
}

void ConvertSettingDialog::on_pdfModelView_doubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    switch (index.row()) {
    case PdfSetModel::PrintRow:
        ui->pdfModelView->setCurrentIndex(pdfModel_->index(PdfSetModel::OutputRow, index.column()));
        break;
    case PdfSetModel::OutputRow: {
        EditOutputItemsDialog sources(pdfModel_, index, this);
        runEditor(&sources);
        break;
    }
    case PdfSetModel::RuleRow: {
        PdfRuleDialog rules(pdfModel_, index, this);
        rules.setSampleValue(
            OutputPreview::sourceValue(pdfModel_->field(index.column()), exampleRow()));
        runEditor(&rules);
        break;
    }
    default:
        break;
    }
}

void ConvertSettingDialog::runEditor(Dialog *editor)
{
    editor->setDesktop(desktop());
    desktop()->runModal(editor);
}

void ConvertSettingDialog::pdfItemChanged(const QModelIndex &index)
{
    ui->pdfModelView->resizeColumnToContents(index.column());
    setRowHeight(ui->pdfModelView, index.row(), pdfModel_->maxLineCount(index.row()));
}

// ---- preview

QStringList ConvertSettingDialog::exampleRow() const
{
    return inputModel_->row(1);
}

void ConvertSettingDialog::refreshPreview()
{
    const QList<OutputItem> &items = outputModel_->items();
    QStringList header;
    header.reserve(items.size());
    for (int column = 0; column < items.size(); ++column) {
        const QString &name = items.at(column).name;
        header.append(name.isEmpty() ? columnLetters(column) : name);
    }
    const QList<QStringList> examples = inputModel_->rows().mid(1);
    previewModel_->setRows(header, OutputPreview::outputRows(items, examples, CompanyInfo::read()));
    QTableView *preview = ui->previewView;
    preview->verticalHeader()->setFixedWidth(
        ui->outputModeView->verticalHeader()->sizeHint().width());
    for (int column = 0; column < items.size(); ++column)
        alignPreviewColumn(column);
    preview->resizeRowsToContents();
    preview->horizontalScrollBar()->setValue(ui->outputModeView->horizontalScrollBar()->value());
}

void ConvertSettingDialog::alignPreviewColumn(int column)
{
    ui->previewView->setColumnWidth(column, ui->outputModeView->columnWidth(column));
}

// ---- saving and closing

StatementOptions ConvertSettingDialog::statementOptions() const
{
    StatementOptions options;
    options.generate = ui->pdfCheckBox->isChecked();
    options.title = ui->titleLineEdit->text();
    options.ment = ui->mentTextEdit->toPlainText();
    options.comment = ui->commentTextEdit->toPlainText();
    const QString family = ui->fontComboBox->currentFont().family();
    options.font = family == shownFont_ ? loadedFont_ : family;
    options.printCompanyName = ui->companyNameCheckBox->isChecked();
    options.printStoreName = ui->storeNameCheckBox->isChecked();
    options.printStoreSite = ui->storeSiteCheckBox->isChecked();
    options.printStorePostCode = ui->storePostCodeCheckBox->isChecked();
    options.printStoreAddress = ui->storeAddressCheckBox->isChecked();
    options.printStoreTel = ui->storeTelCheckBox->isChecked();
    options.printStoreFax = ui->storeFaxCheckBox->isChecked();
    options.printStoreEmail = ui->storeEmailCheckBox->isChecked();
    return options;
}

ConvertSetting ConvertSettingDialog::settingFromForm() const
{
    ConvertSetting setting;
    // Surrounding blanks do not survive as a group name of the settings file.
    setting.name = ui->settingNameEdit->text().trimmed();
    setting.statement = statementOptions();
    setting.outputEncoding = ui->encodingComboBox->currentData().toString();
    setting.replaceUnencodable = ui->replaceCheckBox->isChecked();
    inputModel_->save(setting);
    outputModel_->save(setting);
    pdfModel_->save(setting);
    return setting;
}

void ConvertSettingDialog::commitOpenEditor()
{
    // A name still being typed in the table belongs to what is saved.
    QTableView *view = ui->outputModeView;
    const QModelIndex current = view->currentIndex();
    if (QWidget *editor = view->indexWidget(current))
        view->itemDelegate()->setModelData(editor, outputModel_, current);
}

void ConvertSettingDialog::on_saveButton_clicked()
{
    commitOpenEditor();
    const ConvertSetting setting = settingFromForm();
    const QString &name = setting.name;
    if (name.isEmpty()) {
        warn(tr("Name field is required."));
        ui->settingNameEdit->setFocus();
        return;
    }
    if (!ConvertSettingStore::isValidName(name)) {
        warn(tr("Name must not contain '/' or '\\'."));
        ui->settingNameEdit->setFocus();
        return;
    }
    if (setting.statement.generate && setting.statement.title.isEmpty()) {
        warn(tr("PDF title field is required."));
        ui->outputTabWidget->setCurrentWidget(ui->pdfTab);
        ui->titleLineEdit->setFocus();
        return;
    }
    if (!settingsFileMayBeSaved())
        return;
    // A new name that another setting has would overwrite that setting.
    const bool otherName =
        loadedName_.isEmpty() || !ConvertSettingStore::sameName(name, loadedName_);
    if (otherName && ConvertSettingStore::contains(name) &&
        !desktop()->confirm(
            this, tr("Replace convert setting"),
            tr("A convert setting named '%1' already exists.\nReplace it?").arg(name))) {
        ui->settingNameEdit->setFocus();
        return;
    }
    const bool saved = loadedName_.isEmpty() ? ConvertSettingStore::save(setting)
                                             : ConvertSettingStore::rename(setting, loadedName_);
    if (!saved) {
        warn(tr("Cannot write the settings file '%1'.").arg(Settings::filePath()));
        return;
    }
    updateNames(name);
    closing_ = true;
    accept();
}

void ConvertSettingDialog::updateNames(const QString &name)
{
    if (!settingNames_)
        return;
    const QStringList names = settingNames_->stringList();
    int loadedRow = -1;
    if (!loadedName_.isEmpty())
        loadedRow = loadedIndex_.isValid() ? loadedIndex_.row() : names.indexOf(loadedName_);
    int sameRow = -1;
    for (int row = 0; row < names.size() && sameRow < 0; ++row) {
        if (row != loadedRow && ConvertSettingStore::sameName(names.at(row), name))
            sameRow = row;
    }
    if (loadedRow >= 0) {
        if (names.at(loadedRow) != name)
            settingNames_->setData(settingNames_->index(loadedRow), name);
        // A replaced setting keeps no row of its own.
        if (sameRow >= 0)
            settingNames_->removeRow(sameRow);
        return;
    }
    if (sameRow >= 0) {
        settingNames_->setData(settingNames_->index(sameRow), name);
        return;
    }
    const int row = settingNames_->rowCount();
    settingNames_->insertRow(row);
    settingNames_->setData(settingNames_->index(row), name);
}

void ConvertSettingDialog::discard()
{
    closing_ = true;
    close();
}

void ConvertSettingDialog::reject()
{
    // Escape and the window's close button would otherwise drop the work of
    // building a setting without a word; Cancel says so itself.
    commitOpenEditor();
    if (!closing_ && settingFromForm() != shown_ &&
        !desktop()->confirm(this, tr("Unsaved changes"),
                            tr("The convert setting has changed.\nDiscard the changes?")))
        return;
    closing_ = false;
    Dialog::reject();
}
