#pragma once

#include "app/DesktopServices.h"

// The real desktop: Qt's file dialogs and message box, QProcess, QDesktopServices.
class QtDesktopServices : public DesktopServices
{
public:
    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    bool question(QWidget *parent, const QString &title, const QString &text) override;
    bool confirm(QWidget *parent, const QString &title, const QString &text) override;
    void quit(int exitCode) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    bool openUrl(const QUrl &url) override;
};
