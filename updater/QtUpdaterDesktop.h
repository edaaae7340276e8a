#pragma once

#include "updater/UpdaterDesktop.h"

// The real desktop: QMessageBox and QProcess.
class QtUpdaterDesktop : public UpdaterDesktop
{
public:
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QString &workingFolder) override;
};
