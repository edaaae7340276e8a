#include "editors/OpeningSize.h"

#include <QAction>
#include <QLayout>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QWidget>

namespace {

// A status bar draws its message from 6 pixels in to 12 pixels before its
// right end, or to its size grip.
constexpr int MessageMargins = 6 + 12;

} // namespace

QSize openingSize(const QWidget *window, const QStatusBar *statusBar)
{
    int tip = 0;
    const QFontMetrics metrics = statusBar->fontMetrics();
    for (const QWidget *widget : window->findChildren<QWidget *>())
        tip = qMax(tip, metrics.horizontalAdvance(widget->statusTip()));
    for (const QAction *action : window->findChildren<QAction *>())
        tip = qMax(tip, metrics.horizontalAdvance(action->statusTip()));

    int width = tip + MessageMargins;
    const QSizeGrip *grip = statusBar->findChild<QSizeGrip *>();
    if (grip && statusBar->isSizeGripEnabled())
        width += grip->sizeHint().width();
    // The status bar may sit inside the window's margins.
    if (const QLayout *layout = window->layout();
        layout && layout->indexOf(const_cast<QStatusBar *>(statusBar)) >= 0)
        width += layout->contentsMargins().left() + layout->contentsMargins().right();

    const QSize screen = window->screen()->availableSize();
    return window->size()
        .expandedTo(QSize(width, 0))
        .expandedTo(window->minimumSizeHint())
        .boundedTo(screen);
}
