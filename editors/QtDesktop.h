#pragma once

#include "editors/Desktop.h"

// The real desktop: Qt's file dialogs and message boxes, QDialog::exec,
// QProcess and QDesktopServices.
class QtDesktop : public Desktop
{
public:
    // One for the windows that are given no other.
    static Desktop *shared();

    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    bool question(QWidget *parent, const QString &title, const QString &text) override;
    bool confirm(QWidget *parent, const QString &title, const QString &text) override;
    int runModal(QDialog *dialog) override;
    void quit(int exitCode) override;
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QString &workingFolder) override;
    bool openUrl(const QUrl &url) override;
};
