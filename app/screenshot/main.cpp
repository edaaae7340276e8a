// Renders the main window offscreen into a PNG file, as a user sees it after
// adding the demo inputs and running the demo conversion, and the setting
// editors beside it, each opened on an item of the working folder's setting;
// or the about box. The texts are in the system locale's language, from
// languages/ beside this program:
//   rowsmith-screenshot OUTPUT.png WORKING_FOLDER INPUT...
//   rowsmith-screenshot --about OUTPUT.png
#include "DialogScreenshots.h"
#include "app/InfoDialog.h"
#include "app/MainWindow.h"
#include "editors/Desktop.h"
#include "startup/StartupTranslation.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>
#include <QTranslator>
#include <QUrl>

namespace {

// Answers the "add files" dialog with the given inputs and runs dialogs as
// they are; everything else is a no-op.
class ScriptedDesktop : public Desktop
{
public:
    explicit ScriptedDesktop(QStringList inputs) : inputs_(std::move(inputs)) {}
    QStringList getOpenFileNames(QWidget *, const QString &, const QString &,
                                 const QString &) override
    {
        return inputs_;
    }
    QString getSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        QTextStream(stderr) << title << ": " << text << '\n';
    }
    bool question(QWidget *, const QString &, const QString &) override { return false; }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    int runModal(QDialog *dialog) override { return dialog->exec(); }
    void quit(int) override {}
    bool startDetached(const QString &, const QStringList &, const QString &) override
    {
        return true;
    }
    bool openUrl(const QUrl &) override { return true; }

private:
    QStringList inputs_;
};

bool save(QWidget &widget, const QString &picture)
{
    if (!widget.grab().save(picture)) {
        QTextStream(stderr) << "cannot write " << picture << '\n';
        return false;
    }
    QTextStream(stdout) << picture << '\n';
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QTranslator translator;
    loadTranslation(translator, systemLanguageName(), {QCoreApplication::applicationDirPath()});
    QCoreApplication::installTranslator(&translator);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--about")) {
        InfoDialog about;
        about.show();
        QApplication::processEvents();
        return save(about, QFileInfo(arguments.at(2)).absoluteFilePath()) ? 0 : 1;
    }
    if (arguments.size() < 3) {
        QTextStream(stderr) << "usage: rowsmith-screenshot OUTPUT.png WORKING_FOLDER INPUT...\n"
                               "       rowsmith-screenshot --about OUTPUT.png\n";
        return 2;
    }
    const QString picture = QFileInfo(arguments.at(1)).absoluteFilePath();
    if (!QDir::setCurrent(arguments.at(2))) {
        QTextStream(stderr) << "cannot enter " << arguments.at(2) << '\n';
        return 1;
    }
    // Taken as given: relative names show short in the file list.
    const QStringList inputs = arguments.mid(3);

    // Keep the user's own preferences (window position, last folder) out of it.
    QTemporaryDir preferences;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences.path());

    MainWindow window(std::make_unique<ScriptedDesktop>(inputs));
    window.show();
    if (!inputs.isEmpty())
        window.findChild<QToolButton *>(QStringLiteral("addButton"))->click();
    auto *convert = window.findChild<QPushButton *>(QStringLiteral("convertButton"));
    if (convert->isEnabled())
        convert->click();
    QApplication::processEvents();

    if (!save(window, picture))
        return 1;
    return renderDialogScreenshots(QFileInfo(picture).absolutePath()) ? 0 : 1;
}
