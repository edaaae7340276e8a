#pragma once

#include "engine/ConversionReporter.h"

#include <QElapsedTimer>
#include <functional>

class QProgressBar;
class QStatusBar;

// Shows a run in the main window: stage texts in the status bar, the error
// through the window's error channel, progress in the status-bar progress bar.
// The run keeps the thread, so the bar and the text are repainted directly, at
// most every RepaintInterval milliseconds, without running the event loop:
// no click, key or network answer is handled in the middle of a run.
class StatusBarReporter : public ConversionReporter
{
public:
    static constexpr int RepaintInterval = 50;

    StatusBarReporter(QStatusBar *statusBar, QProgressBar *progressBar,
                      std::function<void(const QString &)> errorChannel);

    void showStatus(const QString &text) override;
    void showError(const QString &text) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;
    void showProgress() override;
    void showNotice(const QString &text) override;

    // Puts the last progress value into the bar; called once the run is over.
    void finish();

private:
    void repaintWhenDue();
    void repaintNow();

    QStatusBar *statusBar_;
    QProgressBar *progressBar_;
    std::function<void(const QString &)> errorChannel_;
    QElapsedTimer sinceRepaint_;
    int pendingValue_ = 0;
    bool valuePending_ = false;
};
