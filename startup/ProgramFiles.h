#pragma once

#include <QString>
#include <QStringList>

// Where a program's own files lie (translations, the manual, the updater):
// beside its executable, which an installer chooses, and else in the working
// folder, as in a development checkout. The user's settings file is not one
// of them: it always lives in the working folder.
QStringList programFileFolders();

// The absolute path of `relative` in the first of `folders` that holds it;
// empty when none does.
QString findProgramFile(const QString &relative, const QStringList &folders = programFileFolders());
