#pragma once

#include "startup/ProgramFiles.h"

#include <QString>
#include <QStringList>

class QDialog;
class QUrl;
class QWidget;

// What the windows of both programs ask of the desktop: file dialogs, message
// boxes, running a dialog modally, starting another program and opening a URL.
// They talk to this interface only, so tests can put a recording fake in.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Existing files to open; empty when the user cancels.
    virtual QStringList getOpenFileNames(QWidget *parent, const QString &caption,
                                         const QString &folder, const QString &filter) = 0;
    // A file name to save under; empty when the user cancels.
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter) = 0;
    // A modal warning box with an OK button; returns when the user has closed it.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // A modal question box with Yes (the default) and No; true for Yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text) = 0;
    // A modal question box with Yes and No (the default), for a step that
    // replaces or drops something; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    // Runs the dialog modally; its result code.
    virtual int runModal(QDialog *dialog) = 0;
    // Ends the program with the exit code, without closing its windows first.
    virtual void quit(int exitCode) = 0;
    // Starts a program that keeps running after this one has ended, in
    // `workingFolder` (empty: this program's).
    virtual bool startDetached(const QString &program, const QStringList &arguments,
                               const QString &workingFolder) = 0;
    virtual bool openUrl(const QUrl &url) = 0;
    // Where the program's own files (the manual, the updater) are looked for.
    virtual QStringList programFolders() const { return programFileFolders(); }
};
