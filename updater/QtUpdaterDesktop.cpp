#include "updater/QtUpdaterDesktop.h"

#include <QMessageBox>
#include <QProcess>

void QtUpdaterDesktop::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool QtUpdaterDesktop::startDetached(const QString &program, const QStringList &arguments,
                                     const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}
