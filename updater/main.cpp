// The updater program: Updater [CURRENT_VERSION]
#include "updater/UpdateDialog.h"
#include "updater/UpdaterTranslation.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    const QString language = QLocale::languageToString(QLocale::system().language());
    QApplication application(argc, argv);

    // Installed even when nothing loaded: a missing file leaves the source texts.
    QTranslator translator;
    const QString translation = updaterTranslationFileFor(language);
    if (!translation.isEmpty()) {
        const bool loaded = translator.load(translation);
        Q_UNUSED(loaded)
    }
    QCoreApplication::installTranslator(&translator);

    UpdateDialog dialog;
    qDebug() << argc;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        dialog.setCurrentVersion(arguments.at(1));
    dialog.show();
    return application.exec();
}
