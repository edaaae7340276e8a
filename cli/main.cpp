#include "cli/CommandLine.h"

#include <QCoreApplication>

#ifndef Q_OS_WIN
namespace {

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
    // QCoreApplication may take out options of its own.
    const QStringList arguments = utf8Arguments(argc, argv);
#endif
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rowsmith-cli"));
#ifdef Q_OS_WIN
    // Qt reads the UTF-16 command line itself.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
#endif
    return runCommandLine(arguments);
}
