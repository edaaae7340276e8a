#include "app/MainWindow.h"

#include "app/InfoDialog.h"
#include "app/StatusBarReporter.h"
#include "editors/ConfigDialog.h"
#include "editors/ConvertSettingDialog.h"
#include "editors/OpeningSize.h"
#include "editors/QtDesktop.h"
#include "engine/ConversionRun.h"
#include "settings/ConvertSettingStore.h"
#include "settings/SettingsFileCheck.h"
#include "settings/UserPreferences.h"
#include "startup/ProgramFiles.h"
#include "ui_MainWindow.h"
#include "updater/Updater.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidgetItem>
#include <QProgressBar>
#include <QScreen>
#include <QStringListModel>
#include <QTimer>
#include <QUrl>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initIconResources()
{
    Q_INIT_RESOURCE(rowsmith_icons);
}

namespace {

// The path without the extension of its file name, followed by "_output.csv".
// Only a "." in the file name counts: a dot in a folder name must not move the
// output into the parent folder.
QString defaultOutputName(const QString &path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int separator =
        qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return (dot > separator ? path.left(dot) : path) + QStringLiteral("_output.csv");
}

// A stored position is used only while the window placed there would still
// overlap a screen, so it never opens where no monitor is any more.
bool isOnAScreen(const QRect &window)
{
    const auto screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->availableGeometry().intersects(window))
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : MainWindow(std::make_unique<QtDesktop>(), parent) {}

MainWindow::MainWindow(std::unique_ptr<Desktop> desktop, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), desktop_(std::move(desktop))
{
    initIconResources();
    ui->setupUi(this);
    connectCommands();

    settingNames_ = new QStringListModel(this);
    run_ = new ConversionRun(this);
    statusBar()->setSizeGripEnabled(false);
    resize(openingSize(this, statusBar()));

    restorePosition();
    fillSettingNames();

    // The last run's result stays in sight: a message of the status bar
    // gives way to the status tip of any widget under the pointer.
    runResult_ = new QLabel(this);
    runResult_->setObjectName(QStringLiteral("runResultLabel"));
    statusBar()->addPermanentWidget(runResult_);

    progressBar_ = new QProgressBar(this);
    progressBar_->setTextVisible(false);
    statusBar()->addPermanentWidget(progressBar_);
    progressBar_->hide();

    // A build without a maker's web address links nowhere.
    ui->action_veltra->setVisible(!QStringLiteral(ROWSMITH_WEB_ADDRESS).isEmpty());

    auto *updater = new Updater(this);
    connect(updater, &Updater::updateAvailable, this, &MainWindow::updateAlert);
    updater->checkForUpdate();
}

MainWindow::~MainWindow()
{
    // The list clears itself while the base class deletes the widgets, after
    // this window's members are gone.
    ui->sourceFileList->model()->disconnect(this);
}

QStringList MainWindow::inputFiles() const
{
    return inputFiles_;
}

QString MainWindow::outputFile() const
{
    return outputFile_;
}

QString MainWindow::statementFile() const
{
    return statementFile_;
}

QStringListModel *MainWindow::settingNames() const
{
    return settingNames_;
}

QProgressBar *MainWindow::progressBar() const
{
    return progressBar_;
}

ConversionRun *MainWindow::conversionRun() const
{
    return run_;
}

void MainWindow::connectCommands()
{
    connect(ui->action_add, &QAction::triggered, this, &MainWindow::add_file);
    connect(ui->addButton, &QToolButton::clicked, this, &MainWindow::add_file);
    connect(ui->removeButton, &QToolButton::clicked, this, &MainWindow::del_file);
    connect(ui->action_set, &QAction::triggered, this, &MainWindow::set_file);
    connect(ui->setButton, &QToolButton::clicked, this, &MainWindow::set_file);
    connect(ui->action_convert, &QAction::triggered, this, &MainWindow::convert_file);
    connect(ui->convertButton, &QPushButton::clicked, this, &MainWindow::convert_file);
    connect(ui->action_print, &QAction::triggered, this, &MainWindow::on_printButton_clicked);
    connect(ui->action_info, &QAction::triggered, this, &MainWindow::info_dialog);
    connect(ui->targetFile, &QLineEdit::textChanged, this, &MainWindow::setOutputFile);
    connect(ui->targetFile, &QLineEdit::textChanged, this, &MainWindow::checkFields);
    connect(ui->convertSetting, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::checkFields);
    connect(ui->action_exit, &QAction::triggered, this, &MainWindow::close);

    // Dragging reorders the list; inputFiles follows whatever the list shows.
    const QAbstractItemModel *files = ui->sourceFileList->model();
    connect(files, &QAbstractItemModel::rowsMoved, this, &MainWindow::takeOrderFromList);
    connect(files, &QAbstractItemModel::rowsInserted, this, &MainWindow::takeOrderFromList);
    connect(files, &QAbstractItemModel::rowsRemoved, this, &MainWindow::takeOrderFromList);
    connect(files, &QAbstractItemModel::layoutChanged, this, &MainWindow::takeOrderFromList);
    connect(files, &QAbstractItemModel::modelReset, this, &MainWindow::takeOrderFromList);
}

void MainWindow::restorePosition()
{
    if (!UserPreferences::hasPosition())
        return;
    const QPoint position = UserPreferences::position();
    if (isOnAScreen(QRect(position, size())))
        move(position);
}

void MainWindow::fillSettingNames()
{
    // A file that cannot be read must not pass for one without settings, nor
    // offer the names of the part that could be read.
    const SettingsFileCheck file = SettingsFileCheck::now();
    if (file.isReadable())
        settingNames_->setStringList(ConvertSettingStore::settingNames());
    ui->convertSetting->setModel(settingNames_);
    if (settingNames_->rowCount() > 0)
        ui->convertSetting->setCurrentIndex(0);
    if (file.isReadable())
        return;
    // Told once the window is up, so that the box stands above it.
    QTimer::singleShot(0, this, [this, message = file.message()] { showError(message); });
}

void MainWindow::setOutputFile(const QString &path)
{
    outputFile_ = path;
}

void MainWindow::takeOrderFromList()
{
    QStringList files;
    files.reserve(ui->sourceFileList->count());
    for (int row = 0; row < ui->sourceFileList->count(); ++row)
        files.append(ui->sourceFileList->item(row)->data(Qt::UserRole).toString());
    inputFiles_ = files;
}

void MainWindow::add_file()
{
    const QStringList chosen =
        desktop_->getOpenFileNames(this, tr("Input Files"), UserPreferences::lastDirectory(),
                                   tr("CSV Files (*.csv);;All Files (*.*)"));
    if (chosen.isEmpty())
        return;
    UserPreferences::rememberFolderOf(chosen.first());

    QString firstAdded;
    bool added = false;
    for (const QString &path : chosen) {
        if (inputFiles_.contains(path))
            continue;
        if (!added)
            firstAdded = path;
        added = true;
        // The name fits the narrow list; the whole path is one pointer away.
        auto *item = new QListWidgetItem(QFileInfo(path).fileName());
        item->setData(Qt::UserRole, path);
        item->setToolTip(QDir::toNativeSeparators(path));
        ui->sourceFileList->addItem(item);
    }
    if (outputFile_.isEmpty())
        ui->targetFile->setText(defaultOutputName(firstAdded));
    if (added)
        runResult_->clear();
    checkFields();
}

void MainWindow::del_file()
{
    const int row = ui->sourceFileList->currentRow();
    if (row < 0)
        return;
    delete ui->sourceFileList->takeItem(row);
    runResult_->clear();

    if (inputFiles_.isEmpty())
        ui->targetFile->clear();
    else if (row == 0)
        ui->targetFile->setText(defaultOutputName(inputFiles_.first()));
    checkFields();
}

void MainWindow::set_file()
{
    // The dialog opens on the current output file, so a small change of its
    // name is a small edit.
    const QString start = outputFile_.isEmpty() ? UserPreferences::lastDirectory() : outputFile_;
    QString path =
        desktop_->getSaveFileName(this, tr("Output File"), start, tr("CSV File (*.csv)"));
    if (path.isEmpty())
        return;
    // A name typed without an ending gets the filter's, as the statement's
    // name is made from it.
    if (QFileInfo(path).suffix().isEmpty())
        path += path.endsWith(QLatin1Char('.')) ? QStringLiteral("csv") : QStringLiteral(".csv");
    UserPreferences::rememberFolderOf(path);
    ui->targetFile->setText(path);
    setOutputFile(path);
    checkFields();
}

void MainWindow::checkFields()
{
    if (progressBar_)
        progressBar_->hide();
    const bool ready = ui->sourceFileList->count() > 0 && !ui->targetFile->text().isEmpty() &&
                       ui->convertSetting->currentIndex() >= 0;
    ui->convertButton->setEnabled(ready);
    ui->action_convert->setEnabled(ready);
    if (ready)
        return;
    ui->printButton->setEnabled(false);
    ui->action_print->setEnabled(false);
    ui->openFolderButton->setEnabled(false);
}

void MainWindow::convert_file()
{
    runResult_->clear();
    StatusBarReporter reporter(statusBar(), progressBar_,
                               [this](const QString &text) { showError(text); });
    const ConversionRun::Result result =
        run_->convert(inputFiles_, outputFile_, ui->convertSetting->currentText(), reporter);
    reporter.finish();
    // The result moves from the passing message to the label that stays.
    runResult_->setText(statusBar()->currentMessage());
    statusBar()->clearMessage();

    // Printing opens this run's statement only: never an older one that a
    // failed or statement-less run left behind.
    statementFile_ = result.statementWritten ? result.statementFile : QString();
    ui->printButton->setEnabled(result.statementWritten);
    ui->action_print->setEnabled(result.statementWritten);
    if (!result.outputFile.isEmpty())
        ui->openFolderButton->setEnabled(true);
}

void MainWindow::showError(const QString &text)
{
    desktop_->warning(this, tr("Error"), text);
    statusBar()->showMessage(tr("An error has occurred"));
}

void MainWindow::on_printButton_clicked()
{
    progressBar_->hide();
    desktop_->openUrl(QUrl::fromLocalFile(statementFile_));
}

void MainWindow::on_openFolderButton_clicked()
{
    const QFileInfo output(outputFile_);
    const QString canonical = output.canonicalPath();
    const QString folder = canonical.isEmpty() ? output.absolutePath() : canonical;
#ifdef Q_OS_WIN
    desktop_->startDetached(QStringLiteral("explorer.exe"), {QDir::toNativeSeparators(folder)},
                            QString());
#else
    desktop_->openUrl(QUrl::fromLocalFile(folder));
#endif
}

void MainWindow::on_action_help_triggered()
{
    // Compiled help opens on Windows; elsewhere few desktops open it, and the
    // same pages lie beside it as plain HTML.
#ifdef Q_OS_WIN
    const QStringList manuals{QStringLiteral("rowsmith.chm"), QStringLiteral("manual/index.html")};
#else
    const QStringList manuals{QStringLiteral("manual/index.html"), QStringLiteral("rowsmith.chm")};
#endif
    const QStringList folders = desktop_->programFolders();
    for (const QString &manual : manuals) {
        const QString path = findProgramFile(manual, folders);
        if (!path.isEmpty()) {
            desktop_->openUrl(QUrl::fromLocalFile(path));
            return;
        }
    }
    QStringList places;
    for (const QString &folder : folders)
        places.append(QDir::toNativeSeparators(folder));
    desktop_->warning(this, tr("Help"),
                      tr("The manual was not found. It was looked for in:\n%1")
                          .arg(places.join(QLatin1Char('\n'))));
}

void MainWindow::on_action_veltra_triggered()
{
    progressBar_->hide();
    if (QStringLiteral(ROWSMITH_WEB_ADDRESS).isEmpty())
        return;
    desktop_->openUrl(QUrl(QStringLiteral(ROWSMITH_WEB_ADDRESS)));
}

void MainWindow::on_configButton_clicked()
{
    progressBar_->hide();
    const QModelIndex index = settingNames_->index(ui->convertSetting->currentIndex());
    if (!index.isValid())
        return;
    auto *dialog = new ConvertSettingDialog(settingNames_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setDesktop(desktop_.get());
    dialog->load(index);
    dialog->show();
}

void MainWindow::on_action_company_config_triggered()
{
    openConfigDialog(ConfigDialog::CompanyPage);
}

void MainWindow::on_action_convert_config_triggered()
{
    progressBar_->hide();
    openConfigDialog(ConfigDialog::SettingsPage);
}

void MainWindow::openConfigDialog(int page)
{
    auto *dialog = new ConfigDialog(settingNames_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setDesktop(desktop_.get());
    dialog->setCurrentPage(page);
    dialog->show();
}

void MainWindow::info_dialog()
{
    progressBar_->hide();
    auto *dialog = new InfoDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MainWindow::updateAlert(const QString &currentVersion, const QString &latestVersion)
{
    const QString text = tr("There is newer version available.\nDo you want to update now?\n"
                            "(Restart Rowsmith is required.\n\nCurrent version : %1\n"
                            "Latest version : %2")
                             .arg(currentVersion, latestVersion);
    if (!desktop_->question(this, tr("Update available"), text))
        return;
    startUpdater(currentVersion);
    // Nothing is saved or closed: the updater is about to replace our files.
    desktop_->quit(0);
}

void MainWindow::startUpdater(const QString &version)
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("Updater.exe");
#else
    const QString name = QStringLiteral("Updater");
#endif
    QString updater = findProgramFile(name, desktop_->programFolders());
    if (updater.isEmpty())
        updater = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    // A failed start is not reported; the program ends all the same.
    desktop_->startDetached(updater, {version}, QString());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!isMaximized() && !isMinimized())
        UserPreferences::setPosition(pos());
    QMainWindow::closeEvent(event);
}
