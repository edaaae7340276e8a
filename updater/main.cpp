// The updater program: Updater [CURRENT_VERSION]
#include "startup/StartupTranslation.h"
#include "updater/UpdateDialog.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    installStartupTranslations(QStringLiteral("lang_updater"));

    UpdateDialog dialog;
    qDebug() << argc;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        dialog.setCurrentVersion(arguments.at(1));
    dialog.show();
    return application.exec();
}
