#pragma once

#include <QWidget>

// The child widget of that type and object name; a test that asks for a
// widget the form does not have stops at once, naming it.
template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}
