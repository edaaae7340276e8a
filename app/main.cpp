#include "app/MainWindow.h"
#include "app/StartupTranslation.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <QUrl>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Veltra"));
    QCoreApplication::setOrganizationDomain(QUrl(QStringLiteral(ROWSMITH_WEB_ADDRESS)).host());
    QCoreApplication::setApplicationName(QStringLiteral("Rowsmith"));
    const QString language = QLocale::languageToString(QLocale::system().language());

    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));

    // The translator is installed even when nothing loaded: a missing file
    // simply leaves the source texts.
    QTranslator translator;
    const QString translation = translationFileFor(language);
    if (!translation.isEmpty()) {
        const bool loaded = translator.load(translation);
        Q_UNUSED(loaded)
    }
    QCoreApplication::installTranslator(&translator);

    MainWindow window;
    window.show();
    return application.exec();
}
