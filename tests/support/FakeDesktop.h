#pragma once

#include "editors/Desktop.h"

#include <QDialog>
#include <QList>
#include <QMainWindow>
#include <QQueue>
#include <QStatusBar>
#include <QUrl>
#include <QWidget>
#include <functional>

// Records what a window asks of the desktop, answers the file dialogs and
// questions from queues (an empty queue answers like a cancelled dialog, and
// No), and hands modal dialogs to a handler.
class FakeDesktop : public Desktop
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
        QString workingFolder;
    };

    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<bool> questionAnswers; // confirm takes them too
    QList<Dialog> openDialogs;
    QList<Dialog> saveDialogs;
    QList<Warning> warnings;
    QList<Warning> questions;
    QList<int> exitCodes;
    QList<Process> processes;
    QList<QUrl> urls;
    QStringList programFolderList; // empty: the real ones
    // Gets each modal dialog; its return value is the dialog's result. By
    // default the dialog runs, for tests that drive it from a timer.
    std::function<int(QDialog *)> modal = [](QDialog *dialog) { return dialog->exec(); };

    // A modal handler that closes every dialog unseen.
    static int reject(QDialog *) { return QDialog::Rejected; }
    // The texts of warnings or questions.
    static QStringList texts(const QList<Warning> &boxes)
    {
        QStringList texts;
        for (const Warning &box : boxes)
            texts.append(box.text);
        return texts;
    }
    static QStringList captions(const QList<Dialog> &dialogs)
    {
        QStringList captions;
        for (const Dialog &dialog : dialogs)
            captions.append(dialog.caption);
        return captions;
    }

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
    int runModal(QDialog *dialog) override { return modal(dialog); }
    void quit(int exitCode) override { exitCodes.append(exitCode); }
    QStringList programFolders() const override
    {
        return programFolderList.isEmpty() ? Desktop::programFolders() : programFolderList;
    }
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QString &workingFolder) override
    {
        processes.append({program, arguments, workingFolder});
        return true;
    }
    bool openUrl(const QUrl &url) override
    {
        urls.append(url);
        return true;
    }
};
