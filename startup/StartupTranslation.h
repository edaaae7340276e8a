#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The English name of the system locale's language ("Japanese", "Korean", ...).
QString systemLanguageName();

// A program's translation file, relative to a program folder, for the
// English name of a language: Korean and Japanese have one, every other
// language shows the source texts ("" here). `stem` names the program's
// files: "lang" for the main program, "lang_updater" for the updater.
QString translationFileFor(const QString &languageName,
                           const QString &stem = QStringLiteral("lang"));

// Loads the translation for the language from the first folder that holds
// it; an empty folder name stands for the working folder. False when the
// language has none or no folder holds it: the source texts then stay.
bool loadTranslation(QTranslator &translator, const QString &languageName,
                     const QStringList &folders, const QString &stem = QStringLiteral("lang"));

// Qt's own texts in the same language (the Yes and No of a question box, the
// file dialogs): "qtbase_ja" or "qtbase_ko" from languages/ in the first
// folder that has it, else from Qt's own translation folder. False when the
// language has none or none was found.
bool loadQtTranslation(QTranslator &translator, const QString &languageName,
                       const QStringList &folders);

// A program's start: its own translation and Qt's for the system locale's
// language, looked for beside the program and then in the working folder,
// installed (also when nothing loaded) and kept by the application object.
void installStartupTranslations(const QString &stem);
