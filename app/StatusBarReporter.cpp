#include "app/StatusBarReporter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>
#include <QStatusBar>
#include <utility>

StatusBarReporter::StatusBarReporter(QStatusBar *statusBar, QProgressBar *progressBar,
                                     std::function<void(const QString &)> errorChannel)
    : statusBar_(statusBar), progressBar_(progressBar), errorChannel_(std::move(errorChannel))
{}

void StatusBarReporter::showStatus(const QString &text)
{
    statusBar_->showMessage(text);
    repaintWhenDue();
}

void StatusBarReporter::showError(const QString &text)
{
    finish();
    errorChannel_(text);
}

void StatusBarReporter::setProgressRange(int minimum, int maximum)
{
    progressBar_->setRange(minimum, maximum);
    if (valuePending_)
        progressBar_->setValue(pendingValue_);
    repaintWhenDue();
}

void StatusBarReporter::setProgressValue(int value)
{
    // A run reports every row; the bar takes the value only when it is repainted.
    pendingValue_ = value;
    valuePending_ = true;
    repaintWhenDue();
}

void StatusBarReporter::showProgress()
{
    progressBar_->show();
    repaintWhenDue();
}

// The notice stands beside the status it completes.
void StatusBarReporter::showNotice(const QString &text)
{
    const QString status = statusBar_->currentMessage();
    statusBar_->showMessage(status.isEmpty() ? text : status + QLatin1Char(' ') + text);
    repaintWhenDue();
}

void StatusBarReporter::finish()
{
    if (valuePending_)
        progressBar_->setValue(pendingValue_);
    valuePending_ = false;
}

void StatusBarReporter::repaintWhenDue()
{
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < RepaintInterval)
        return;
    sinceRepaint_.start();
    repaintNow();
}

void StatusBarReporter::repaintNow()
{
    finish();
    if (!statusBar_->isVisible())
        return;
    // A progress bar shown a moment ago has no place yet: lay the status bar out
    // (only its own pending layout request, no other event), then paint it.
    QCoreApplication::sendPostedEvents(statusBar_, QEvent::LayoutRequest);
    statusBar_->repaint();
}
