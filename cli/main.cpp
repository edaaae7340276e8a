#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "startup/ProgramFiles.h"
#include "startup/StartupTranslation.h"

#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <memory>

#ifndef Q_OS_WIN
namespace {

void dropQtNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

QStringList utf8Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    return arguments;
}

} // namespace
#endif

int main(int argc, char *argv[])
{
#ifndef Q_OS_WIN
    // The bytes are UTF-8 whatever the locale says. Read before
    // QGuiApplication may take out options of its own.
    const QStringList arguments = utf8Arguments(argc, argv);
#endif
    const Command *command = argc > 1 ? findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    std::unique_ptr<QCoreApplication> application;
    if (command && command->paints) {
#ifndef Q_OS_WIN
        // Painting the statement needs fonts and so a GUI application, but this
        // program never shows a window: it must also run without a display.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's own notes about the desktop session (no runtime folder and the
        // like) are no business of this program's output.
        if (!qEnvironmentVariableIsSet("ROWSMITH_CLI_QT_MESSAGES"))
            qInstallMessageHandler(dropQtNotes);
#endif
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("rowsmith-cli"));
    // The run messages and the statement labels in the window's language: a
    // batch job on a Japanese system writes a Japanese statement. languages/
    // beside the program comes first, so the working folder may be any.
    QTranslator translator;
    loadTranslation(translator, systemLanguageName(), programFileFolders());
    QCoreApplication::installTranslator(&translator);
#ifdef Q_OS_WIN
    // Qt reads the UTF-16 command line itself.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
#endif
    return runCommandLine(arguments);
}
