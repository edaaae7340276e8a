#pragma once

#include <QString>
#include <QStringList>

// A program of the host's own (python3, pdftotext, lupdate) that a test runs.
// Under Wine it is a Unix program all the same: it is found in /usr/bin, and
// the Windows paths among its arguments are given as the Unix paths they are.
// Elsewhere, and for Windows programs, the command is as it was given.
struct HostCommand
{
    QString program;
    QStringList arguments;
};

HostCommand hostCommand(const QString &program, const QStringList &arguments);
// The Unix path of a Windows path under Wine; the path itself elsewhere.
QString hostPath(const QString &path);
