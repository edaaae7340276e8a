#pragma once

#include <QSize>

class QStatusBar;
class QWidget;

// The size a window opens with: the size its form gives it, grown where its
// contents need more room and where its status bar would cut the longest
// status tip of its widgets and actions (translations are often longer than
// the source texts); never wider or taller than the screen.
QSize openingSize(const QWidget *window, const QStatusBar *statusBar);
