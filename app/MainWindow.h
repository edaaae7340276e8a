#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <memory>

class ConversionRun;
class Desktop;
class QLabel;
class QProgressBar;
class QStringListModel;

namespace Ui {
class MainWindow;
}

// The main window: collects the input files, the output file and the convert
// setting, starts a conversion run and opens what the run wrote. The run itself
// is the engine's; the window only feeds it and shows its messages.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    // Tests pass a fake desktop (file dialogs, warning box, processes, URLs).
    explicit MainWindow(std::unique_ptr<Desktop> desktop, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Paths of the input files, in the order shown in the list.
    QStringList inputFiles() const;
    QString outputFile() const;
    QString statementFile() const;
    QStringListModel *settingNames() const;
    QProgressBar *progressBar() const;
    ConversionRun *conversionRun() const;

public Q_SLOTS:
    // The error channel of a run: a modal warning box, then a status-bar note.
    void showError(const QString &text);

private Q_SLOTS:
    void add_file();
    void del_file();
    void set_file();
    void checkFields();
    void convert_file();
    void on_printButton_clicked();
    void on_openFolderButton_clicked();
    void on_action_help_triggered();
    void on_action_veltra_triggered();
    void on_configButton_clicked();
    void on_action_company_config_triggered();
    void on_action_convert_config_triggered();
    void info_dialog();
    // The update prompt: on Yes the updater starts and this program ends.
    void updateAlert(const QString &currentVersion, const QString &latestVersion);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCommands();
    void restorePosition();
    void fillSettingNames();
    void setOutputFile(const QString &path);
    void takeOrderFromList();
    void startUpdater(const QString &version);
    void openConfigDialog(int page);

    std::unique_ptr<Ui::MainWindow> ui;
    // The setting dialogs opened from here ask it too.
    std::unique_ptr<Desktop> desktop_;
    QStringListModel *settingNames_ = nullptr;
    QStringList inputFiles_;
    QString outputFile_;
    QString statementFile_;
    ConversionRun *run_ = nullptr;
    QLabel *runResult_ = nullptr;         // the last run's result, until files change
    QProgressBar *progressBar_ = nullptr; // made last; checkFields may run before
};
