#include "app/MainWindow.h"
#include "engine/StartupTranslation.h"

#include <QApplication>
#include <QTranslator>
#include <QUrl>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Veltra"));
    QCoreApplication::setOrganizationDomain(QUrl(QStringLiteral(ROWSMITH_WEB_ADDRESS)).host());
    QCoreApplication::setApplicationName(QStringLiteral("Rowsmith"));
    const QString language = systemLanguageName();

    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));

    // The translator is installed even when nothing loaded: a missing file
    // simply leaves the source texts. languages/ is looked for in the
    // working folder, where the settings file is too.
    QTranslator translator;
    loadTranslation(translator, language, {QString()});
    QCoreApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    loadQtTranslation(qtTranslator, language, {QString()});
    QCoreApplication::installTranslator(&qtTranslator);

    MainWindow window;
    window.show();
    return application.exec();
}
