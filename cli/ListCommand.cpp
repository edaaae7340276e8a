#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include "settings/ConvertSettingStore.h"

// rowsmith-cli list: the setting names of ./rowsmith.dat, in store order.
int runListCommand(const QStringList &)
{
    QString text;
    for (const QString &name : ConvertSettingStore::settingNames())
        text += name + QLatin1Char('\n');
    writeStandardOutput(text);
    return 0;
}
