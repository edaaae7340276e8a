#include "editors/DialogServices.h"

#include <QFileDialog>
#include <QMessageBox>

DialogServices DialogServices::standard()
{
    DialogServices services;
    services.warning = [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox::warning(parent, title, text);
    };
    services.openFiles = [](QWidget *parent, const QString &caption, const QString &folder,
                            const QString &filter) {
        return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
    };
    services.question = [](QWidget *parent, const QString &title, const QString &text) {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    services.runModal = [](QDialog *dialog) { return dialog->exec(); };
    return services;
}
