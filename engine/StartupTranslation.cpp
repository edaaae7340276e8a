#include "engine/StartupTranslation.h"

#include <QDir>
#include <QLibraryInfo>
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

bool loadQtTranslation(QTranslator &translator, const QString &languageName,
                       const QStringList &folders)
{
    QString file;
    if (languageName == QLatin1String("Korean"))
        file = QStringLiteral("qtbase_ko");
    else if (languageName == QLatin1String("Japanese"))
        file = QStringLiteral("qtbase_ja");
    else
        return false;
    for (const QString &folder : folders) {
        if (translator.load(file, QDir(folder).filePath(QStringLiteral("languages"))))
            return true;
    }
    return translator.load(file, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}
