#pragma once

#include <QStringList>

// The handlers of the rowsmith-cli commands, listed in commandTable().
int runApplyCommand(const QStringList &arguments);
int runTestCommand(const QStringList &arguments);
int runListCommand(const QStringList &arguments);
int runConvertCommand(const QStringList &arguments);
