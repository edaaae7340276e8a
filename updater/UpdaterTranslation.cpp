#include "updater/UpdaterTranslation.h"

QString updaterTranslationFileFor(const QString &languageName)
{
    if (languageName == QLatin1String("Korean"))
        return QStringLiteral("languages/lang_updater_kr");
    if (languageName == QLatin1String("Japanese"))
        return QStringLiteral("languages/lang_updater_jp");
    return QString();
}
