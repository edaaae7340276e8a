#include "support/HostProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString hostPath(const QString &path)
{
#ifdef Q_OS_WIN
    // Wine's own call; a Windows system has none, and no host either.
    using UnixName = char *(CDECL *)(LPCWSTR);
    static const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!unixName)
        return path;
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    char *name = unixName(reinterpret_cast<LPCWSTR>(native.utf16()));
    if (!name)
        return path;
    const QString result = QString::fromUtf8(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
#else
    return path;
#endif
}

HostCommand hostCommand(const QString &program, const QStringList &arguments)
{
#ifdef Q_OS_WIN
    if (program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return {program, arguments};
    static const QRegularExpression windowsPath(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    HostCommand command{program, {}};
    if (!program.contains(QLatin1Char('/')) && !program.contains(QLatin1Char('\\')))
        command.program = QStringLiteral("Z:/usr/bin/") + program;
    for (const QString &argument : arguments)
        command.arguments.append(windowsPath.match(argument).hasMatch() ? hostPath(argument)
                                                                        : argument);
    return command;
#else
    return {program, arguments};
#endif
}
