#include "engine/StartupTranslation.h"

#include <QLocale>
#include <QTranslator>

QString systemLanguageName()
{
    return QLocale::languageToString(QLocale::system().language());
}

QString translationFileFor(const QString &languageName)
{
    if (languageName == QLatin1String("Korean"))
        return QStringLiteral("languages/lang_kr");
    if (languageName == QLatin1String("Japanese"))
        return QStringLiteral("languages/lang_jp");
    return QString();
}

bool loadTranslation(QTranslator &translator, const QString &languageName,
                     const QStringList &folders)
{
    const QString file = translationFileFor(languageName);
    if (file.isEmpty())
        return false;
    for (const QString &folder : folders) {
        if (translator.load(file, folder))
            return true;
    }
    return false;
}
