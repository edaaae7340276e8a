#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include "csv/OutputEncoding.h"
#include "settings/ConvertSettingStore.h"
#include "settings/SettingsFileCheck.h"

namespace {

// "NAME<TAB>ENCODING<TAB>refuse|replace"; a name no encoding has is shown as stored.
QString longLine(const QString &name)
{
    const ConvertSetting setting = ConvertSettingStore::load(name);
    OutputEncoding::Kind kind;
    const QString encoding = OutputEncoding::fromName(setting.outputEncoding, &kind)
                                 ? OutputEncoding::commandLineName(kind)
                                 : setting.outputEncoding;
    return name + QLatin1Char('\t') + encoding + QLatin1Char('\t') +
           (setting.replaceUnencodable ? QStringLiteral("replace") : QStringLiteral("refuse"));
}

} // namespace

// rowsmith-cli list [--long]: the setting names of ./rowsmith.dat, in store order.
int runListCommand(const QStringList &arguments)
{
    const bool longForm = !arguments.isEmpty();
    if (longForm && arguments.first() != QLatin1String("--long"))
        return usageError();
    // A file that cannot be read must not pass for one without settings.
    const SettingsFileCheck file = SettingsFileCheck::now();
    if (!file.isReadable()) {
        writeStandardError(file.message() + QLatin1Char('\n'));
        return 1;
    }
    QString text;
    for (const QString &name : ConvertSettingStore::settingNames())
        text += (longForm ? longLine(name) : name) + QLatin1Char('\n');
    writeStandardOutput(text);
    return 0;
}
