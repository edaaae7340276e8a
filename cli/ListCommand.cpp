#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include "settings/ConvertSettingStore.h"
#include "settings/SettingsFileCheck.h"

// rowsmith-cli list: the setting names of ./rowsmith.dat, in store order.
int runListCommand(const QStringList &)
{
    // A file that cannot be read must not pass for one without settings.
    const SettingsFileCheck file = SettingsFileCheck::now();
    if (!file.isReadable()) {
        writeStandardError(file.message() + QLatin1Char('\n'));
        return 1;
    }
    QString text;
    for (const QString &name : ConvertSettingStore::settingNames())
        text += name + QLatin1Char('\n');
    writeStandardOutput(text);
    return 0;
}
