#pragma once

#include <QString>

// How a conversion run talks to whoever drives it: the main window shows these
// in its status bar, warning box and progress bar; the command line on stderr.
class ConversionReporter
{
public:
    virtual ~ConversionReporter() = default;

    // A stage message; it replaces the previous one.
    virtual void showStatus(const QString &text) = 0;
    // The one error of a failed run; the run stops after it.
    virtual void showError(const QString &text) = 0;
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    // The progress bar becomes visible (it stays so after the run).
    virtual void showProgress() = 0;
    // What the user must know of a run that succeeded, such as characters
    // written as 〓; after the last status, which it adds to.
    virtual void showNotice(const QString &text) = 0;
};
