#include "editors/QtDesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

Desktop *QtDesktop::shared()
{
    static QtDesktop desktop;
    return &desktop;
}

QStringList QtDesktop::getOpenFileNames(QWidget *parent, const QString &caption,
                                        const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString QtDesktop::getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

void QtDesktop::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool QtDesktop::question(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDesktop::confirm(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

int QtDesktop::runModal(QDialog *dialog)
{
    return dialog->exec();
}

void QtDesktop::quit(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

bool QtDesktop::startDetached(const QString &program, const QStringList &arguments,
                              const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}
