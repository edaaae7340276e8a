#pragma once

#include <QCoreApplication>

// The translation context of the texts a run and its checks show the user,
// named once: Messages::tr("..."). The translation files keep these texts
// under the main window, which showed them first; lupdate reads the context
// from the macro, so the texts stay found.
class Messages
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // A reason the system gives, to end one of these sentences, which bring
    // their own full stop: Windows ends its reasons with one, Unix does not.
    static QString reason(QString text)
    {
        while (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x3002)))
            text.chop(1);
        return text;
    }
};
