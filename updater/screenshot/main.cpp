// Renders the updater's versions page offscreen into a PNG file, as the user
// sees it when the version document offers a newer version:
//   updater-screenshot OUTPUT.png VERSION_DOCUMENT CURRENT_VERSION
// The document is handed over as a data: URL, so nothing goes over the network.
// The texts are in the system locale's language, from languages/ beside this
// program.
#include "startup/StartupTranslation.h"
#include "updater/UpdateDialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStackedWidget>
#include <QTextStream>
#include <QTranslator>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTranslator translator;
    const QString language = systemLanguageName();
    if (!translationFileFor(language, QStringLiteral("lang_updater")).isEmpty() &&
        !loadTranslation(translator, language, {QCoreApplication::applicationDirPath()},
                         QStringLiteral("lang_updater")))
        QTextStream(stderr) << "no updater translation beside the program\n";
    QCoreApplication::installTranslator(&translator);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr)
            << "usage: updater-screenshot OUTPUT.png VERSION_DOCUMENT CURRENT_VERSION\n";
        return 2;
    }
    const QString picture = QFileInfo(arguments.at(1)).absoluteFilePath();
    QFile document(arguments.at(2));
    if (!document.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << arguments.at(2) << '\n';
        return 1;
    }
    qputenv("ROWSMITH_UPDATE_URL", "data:application/xml;base64," + document.readAll().toBase64());

    UpdateDialog dialog;
    dialog.setCurrentVersion(arguments.at(3));
    dialog.show();
    auto *pages = dialog.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    const QDeadlineTimer deadline(10000);
    while (pages->currentIndex() != 1 && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (pages->currentIndex() != 1) {
        QTextStream(stderr) << "the document offers no newer version than " << arguments.at(3)
                            << '\n';
        return 1;
    }
    if (!dialog.grab().save(picture)) {
        QTextStream(stderr) << "cannot write " << picture << '\n';
        return 1;
    }
    QTextStream(stdout) << picture << '\n';
    return 0;
}
