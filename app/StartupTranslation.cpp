#include "app/StartupTranslation.h"

QString translationFileFor(const QString &languageName)
{
    if (languageName == QLatin1String("Korean"))
        return QStringLiteral("languages/lang_kr");
    if (languageName == QLatin1String("Japanese"))
        return QStringLiteral("languages/lang_jp");
    return QString();
}
