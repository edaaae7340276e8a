#pragma once

#include "editors/DialogServices.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <functional>

// Answers the setting dialogs' file chooser and questions from queues (empty
// queues answer like a cancelled dialog and No), records warnings and
// questions, and runs modal dialogs through a handler instead of a nested loop.
struct FakeDialogServices
{
    QQueue<QStringList> openAnswers;
    QQueue<bool> answers;
    QStringList warnings;
    QStringList questions;
    QStringList openCaptions;
    // Gets each modal dialog; its return value is the dialog's result.
    std::function<int(QDialog *)> modal = [](QDialog *) { return int(QDialog::Rejected); };

    DialogServices services()
    {
        DialogServices s;
        s.warning = [this](QWidget *, const QString &, const QString &text) {
            warnings.append(text);
        };
        s.openFiles = [this](QWidget *, const QString &caption, const QString &, const QString &) {
            openCaptions.append(caption);
            return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
        };
        s.question = [this](QWidget *, const QString &, const QString &text) {
            questions.append(text);
            return !answers.isEmpty() && answers.dequeue();
        };
        s.runModal = [this](QDialog *dialog) { return modal(dialog); };
        return s;
    }
};
