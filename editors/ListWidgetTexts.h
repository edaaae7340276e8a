#pragma once

#include <QStringList>
#include <functional>

class QListWidget;
class QObject;

// The item texts of a list, top to bottom.
QStringList listWidgetTexts(const QListWidget *list);
// Calls onChange after every change of the list's items (added, removed,
// moved by dragging, edited) for as long as context lives.
void onListWidgetChanged(QListWidget *list, QObject *context,
                         const std::function<void()> &onChange);
