#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One sub-command of rowsmith-cli: "rowsmith-cli NAME ARGUMENTS...". Adding a
// command means writing its handler and adding one entry to commandTable().
struct Command
{
    // The handler gets the arguments behind the command name and returns the
    // exit code.
    using Handler = int (*)(const QStringList &arguments);

    QString name;
    QString arguments;   // the usage line behind the name, e.g. "VALUE CONDITION"
    QString description; // one line for the usage text
    int minimumArguments;
    int maximumArguments; // -1: no limit
    Handler run;
    // The command may paint the statement, which needs fonts and so a GUI
    // application (never a window).
    bool paints = false;
};

const QVector<Command> &commandTable();
// The command named name, or nullptr.
const Command *findCommand(const QString &name);
