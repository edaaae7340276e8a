#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What the updater asks of the desktop: a warning box and starting the main
// program. Tests put a recording fake in.
class UpdaterDesktop
{
public:
    virtual ~UpdaterDesktop() = default;

    // A modal warning box with an OK button; returns when it was closed.
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // Starts a program in `workingFolder` that keeps running after the
    // updater has ended.
    virtual bool startDetached(const QString &program, const QStringList &arguments,
                               const QString &workingFolder) = 0;
};
