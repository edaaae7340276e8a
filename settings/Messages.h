#pragma once

#include <QCoreApplication>

// The translation context of the texts a run and its checks show the user,
// named once: Messages::tr("..."). The translation files keep these texts
// under the main window, which showed them first; lupdate reads the context
// from the macro, so the texts stay found.
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};
