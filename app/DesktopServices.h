#pragma once

#include "startup/ProgramFiles.h"

#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

// What the main window asks of the desktop: file dialogs, the warning box,
// starting another program and opening a URL with its default handler. The
// window talks to this interface only, so tests can put a recording fake in.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // Existing files to open; empty when the user cancels.
    virtual QStringList getOpenFileNames(QWidget *parent, const QString &caption,
                                         const QString &folder, const QString &filter) = 0;
    // A file name to save under; empty when the user cancels.
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter) = 0;
    // A modal warning box; returns when the user has closed it.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // A modal question box with Yes (the default) and No; true for Yes.
    virtual bool question(QWidget *parent, const QString &title, const QString &text) = 0;
    // A modal question box with Yes and No (the default), for a step that
    // replaces or drops something; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;
    // Ends the program with the exit code, without closing its windows first.
    virtual void quit(int exitCode) = 0;
    // Starts a program not tied to this one.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
    virtual bool openUrl(const QUrl &url) = 0;
    // Where the program's own files (the manual, the updater) are looked for.
    virtual QStringList programFolders() const { return programFileFolders(); }
};
