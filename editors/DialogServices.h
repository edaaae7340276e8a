#pragma once

#include "editors/Dialog.h"

#include <QStringList>
#include <functional>

// What the setting dialogs ask of the desktop: the warning box, the file
// chooser, a Yes/No question and running a dialog modally. The opener hands
// its own down (the main window passes its desktop on); tests put fakes in.
struct DialogServices
{
    // Existing files to open; empty when the user cancels.
    using OpenFiles = std::function<QStringList(QWidget *parent, const QString &caption,
                                                const QString &folder, const QString &filter)>;
    // Yes and No, No the default: true for Yes.
    using Question =
        std::function<bool(QWidget *parent, const QString &title, const QString &text)>;
    // Runs the dialog modally; its result code.
    using RunModal = std::function<int(QDialog *dialog)>;

    Dialog::WarningBox warning;
    OpenFiles openFiles;
    Question question;
    RunModal runModal;

    // Qt's file dialog and message boxes, QDialog::exec.
    static DialogServices standard();
};
