#pragma once

#include "app/DesktopServices.h"

#include <QList>
#include <QMainWindow>
#include <QQueue>
#include <QStatusBar>
#include <QUrl>
#include <QWidget>

// Records what the main window asks of the desktop and answers the file
// dialogs from queues (an empty queue answers like a cancelled dialog).
class FakeDesktop : public DesktopServices
{
public:
    struct Dialog
    {
        QString caption;
        QString folder;
        QString filter;
    };
    struct Warning
    {
        QWidget *parent = nullptr;
        QString title;
        QString text;
        QString statusWhileShown; // the status bar text while the box is open
    };
    struct Process
    {
        QString program;
        QStringList arguments;
    };

    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<bool> questionAnswers; // an empty queue answers No (confirm takes them too)
    QList<Dialog> openDialogs;
    QList<Dialog> saveDialogs;
    QList<Warning> warnings;
    QList<Warning> questions;
    QList<int> exitCodes;
    QList<Process> processes;
    QList<QUrl> urls;
    QStringList programFolderList; // empty: the real ones

    QStringList getOpenFileNames(QWidget *, const QString &caption, const QString &folder,
                                 const QString &filter) override
    {
        openDialogs.append({caption, folder, filter});
        return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
    }
    QString getSaveFileName(QWidget *, const QString &caption, const QString &folder,
                            const QString &filter) override
    {
        saveDialogs.append({caption, folder, filter});
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    void warning(QWidget *parent, const QString &title, const QString &text) override
    {
        QString status;
        if (auto *window = qobject_cast<QMainWindow *>(parent))
            status = window->statusBar()->currentMessage();
        warnings.append({parent, title, text, status});
    }
    bool question(QWidget *parent, const QString &title, const QString &text) override
    {
        questions.append({parent, title, text, QString()});
        return !questionAnswers.isEmpty() && questionAnswers.dequeue();
    }
    bool confirm(QWidget *parent, const QString &title, const QString &text) override
    {
        return question(parent, title, text);
    }
    void quit(int exitCode) override { exitCodes.append(exitCode); }
    QStringList programFolders() const override
    {
        return programFolderList.isEmpty() ? DesktopServices::programFolders() : programFolderList;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        processes.append({program, arguments});
        return true;
    }
    bool openUrl(const QUrl &url) override
    {
        urls.append(url);
        return true;
    }
};
