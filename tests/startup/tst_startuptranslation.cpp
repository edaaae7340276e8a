#include "startup/StartupTranslation.h"
#include "support/TestWorkingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <QtTest>

class StartupTranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileByLanguage_data();
    void fileByLanguage();
    void firstFolderThatHoldsIt_data();
    void firstFolderThatHoldsIt();
};

void StartupTranslationTest::fileByLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");

    QTest::newRow("updater, Japanese")
        << QLocale::languageToString(QLocale::Japanese) << "languages/lang_updater_jp";
    QTest::newRow("updater, English") << QLocale::languageToString(QLocale::English) << "";
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
    if (QByteArray(QTest::currentDataTag()).startsWith("updater"))
        QCOMPARE(translationFileFor(language, QStringLiteral("lang_updater")), file);
    else
        QCOMPARE(translationFileFor(language), file);
}

void StartupTranslationTest::firstFolderThatHoldsIt_data()
{
    QTest::addColumn<QString>("language");
    // What languages/lang_jp.qm is in the program's folder and in the working
    // folder: "jp", "kr" (another translation under the same name) or "".
    QTest::addColumn<QString>("besideProgram");
    QTest::addColumn<QString>("inWorkingFolder");
    QTest::addColumn<QString>("shown");

    const QString japanese = QLocale::languageToString(QLocale::Japanese);
    QTest::newRow("beside the program") << japanese << "jp"
                                        << ""
                                        << "変換が完了しました。";
    QTest::newRow("else in the working folder") << japanese << ""
                                                << "jp"
                                                << "変換が完了しました。";
    QTest::newRow("the program's folder first") << japanese << "kr"
                                                << "jp"
                                                << "변환이 완료되었습니다.";
    QTest::newRow("nowhere: source texts") << japanese << ""
                                           << ""
                                           << "Converting succeeded.";
    QTest::newRow("a language without one") << QLocale::languageToString(QLocale::German) << "jp"
                                            << "jp"
                                            << "Converting succeeded.";
}

void StartupTranslationTest::firstFolderThatHoldsIt()
{
    QFETCH(QString, language);
    QFETCH(QString, besideProgram);
    QFETCH(QString, inWorkingFolder);
    QFETCH(QString, shown);

    TestWorkingFolder working;
    QTemporaryDir program;
    QVERIFY(working.isValid() && program.isValid());
    auto place = [](const QString &folder, const QString &which) {
        if (which.isEmpty())
            return true;
        return QDir(folder).mkpath(QStringLiteral("languages")) &&
               QFile::copy(QStringLiteral(TEST_BUILD_DIR "/languages/lang_%1.qm").arg(which),
                           folder + QStringLiteral("/languages/lang_jp.qm"));
    };
    QVERIFY(place(program.path(), besideProgram));
    QVERIFY(place(working.path(), inWorkingFolder));

    QTranslator translator;
    const bool loaded = loadTranslation(translator, language, {program.path(), QString()});
    QCOMPARE(loaded, shown != QLatin1String("Converting succeeded."));
    QCoreApplication::installTranslator(&translator);
    const QString text = QCoreApplication::translate("MainWindow", "Converting succeeded.");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(text, shown);
}

QTEST_GUILESS_MAIN(StartupTranslationTest)
#include "tst_startuptranslation.moc"
