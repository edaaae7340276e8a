#include "startup/StartupTranslation.h"

#include "startup/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString systemLanguageName()
{
    return QLocale::languageToString(QLocale::system().language());
}

namespace {

// The languages the program speaks besides its source texts: the suffix of
// its own translation files, and Qt's code for the same language.
struct Language
{
    const char *name;
    const char *fileSuffix;
    const char *qtCode;
};
constexpr Language Languages[] = {{"Korean", "kr", "ko"}, {"Japanese", "jp", "ja"}};

const Language *languageNamed(const QString &name)
{
    for (const Language &language : Languages) {
        if (name == QLatin1String(language.name))
            return &language;
    }
    return nullptr;
}

} // namespace

QString translationFileFor(const QString &languageName, const QString &stem)
{
    const Language *language = languageNamed(languageName);
    return language ? QStringLiteral("languages/") + stem + QLatin1Char('_') +
                          QLatin1String(language->fileSuffix)
                    : QString();
}

bool loadTranslation(QTranslator &translator, const QString &languageName,
                     const QStringList &folders, const QString &stem)
{
    const QString file = translationFileFor(languageName, stem);
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
    const Language *language = languageNamed(languageName);
    if (!language)
        return false;
    const QString file = QStringLiteral("qtbase_") + QLatin1String(language->qtCode);
    for (const QString &folder : folders) {
        if (translator.load(file, QDir(folder).filePath(QStringLiteral("languages"))))
            return true;
    }
    return translator.load(file, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

void installStartupTranslations(const QString &stem)
{
    const QString language = systemLanguageName();
    const QStringList folders = programFileFolders();
    // Installed even when nothing loaded: a missing file leaves the source texts.
    auto *own = new QTranslator(QCoreApplication::instance());
    loadTranslation(*own, language, folders, stem);
    QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(QCoreApplication::instance());
    loadQtTranslation(*qt, language, folders);
    QCoreApplication::installTranslator(qt);
}
