#include "app/MainWindow.h"
#include "startup/StartupTranslation.h"

#include <QApplication>
#include <QUrl>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Veltra"));
    QCoreApplication::setOrganizationDomain(QUrl(QStringLiteral(ROWSMITH_WEB_ADDRESS)).host());
    QCoreApplication::setApplicationName(QStringLiteral("Rowsmith"));

    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    // languages/ beside the program, so any folder can be the working folder
    // that holds rowsmith.dat.
    installStartupTranslations(QStringLiteral("lang"));

    MainWindow window;
    window.show();
    return application.exec();
}
