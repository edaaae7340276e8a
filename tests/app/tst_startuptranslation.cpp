#include "app/StartupTranslation.h"

#include <QLocale>
#include <QtTest>

class StartupTranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileByLanguage_data();
    void fileByLanguage();
};

void StartupTranslationTest::fileByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");

    QTest::newRow("Korean") << QLocale::languageToString(QLocale::Korean) << "languages/lang_kr";
    QTest::newRow("Japanese") << QLocale::languageToString(QLocale::Japanese)
                              << "languages/lang_jp";
    QTest::newRow("English: source texts") << QLocale::languageToString(QLocale::English) << "";
    QTest::newRow("Chinese: source texts") << QLocale::languageToString(QLocale::Chinese) << "";
    QTest::newRow("C locale") << QLocale::languageToString(QLocale::C) << "";
    QTest::newRow("names compare exactly") << "korean"
                                           << "";
}

void StartupTranslationTest::fileByLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QCOMPARE(translationFileFor(language), file);
}

QTEST_MAIN(StartupTranslationTest)
#include "tst_startuptranslation.moc"
