#include "support/TestWorkingFolder.h"

#include "settings/CompanyInfo.h"

#include <QtTest>

namespace {

const QStringList sampleValues{QStringLiteral("株式会社ベルトラ"),
                               QStringLiteral("ベルトラ本店"),
                               QStringLiteral("https://shop.example.jp"),
                               QStringLiteral("123-4567"),
                               QStringLiteral("東京都千代田区1-2-3, 4F"),
                               QStringLiteral("03-1234-5678"),
                               QStringLiteral("03-1234-5679"),
                               QStringLiteral("info@example.jp")};

void writeRaw(const QString &key, const QString &value)
{
    QSettings raw(QStringLiteral("rowsmith.dat"), QSettings::IniFormat);
    raw.setValue(QStringLiteral("CompanyInfo/") + key, value);
}

} // namespace

class CompanyInfoTest : public QObject
{
    Q_OBJECT
private slots:
    void freshInstallationIsEmpty();
    void valueByCode_data();
    void valueByCode();
    void writeThenRead();
    void emptyValuesAreWritten();
    void readTakesOneCopy();
};

void CompanyInfoTest::freshInstallationIsEmpty()
{
    TestWorkingFolder folder;
    const CompanyInfo info = CompanyInfo::read();
    for (int code = 0; code < CompanyInfo::FieldCount; ++code) {
        QCOMPARE(info.value(code), QString());
        QCOMPARE(companyValue(code), QString());
    }
}

void CompanyInfoTest::valueByCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    const QStringList keys = CompanyInfo::keys();
    for (int code = 0; code < CompanyInfo::FieldCount; ++code)
        QTest::newRow(qPrintable(keys.at(code))) << code << sampleValues.at(code);
    QTest::newRow("8") << 8 << QString();
    QTest::newRow("100") << 100 << QString();
    QTest::newRow("-1") << -1 << QString();
    QTest::newRow("min") << std::numeric_limits<int>::min() << QString();
}

void CompanyInfoTest::valueByCode()
{
    QFETCH(int, code);
    QFETCH(QString, expected);
    TestWorkingFolder folder;
    const QStringList keys = CompanyInfo::keys();
    for (int i = 0; i < keys.size(); ++i)
        writeRaw(keys.at(i), sampleValues.at(i));
    QCOMPARE(companyValue(code), expected);
    QCOMPARE(CompanyInfo::read().value(code), expected);
}

void CompanyInfoTest::writeThenRead()
{
    TestWorkingFolder folder;
    QCOMPARE(CompanyInfo::keys(), (QStringList{"name", "storeName", "storeSite", "postCode",
                                               "address", "tel", "fax", "email"}));
    CompanyInfo info;
    for (int code = 0; code < CompanyInfo::FieldCount; ++code)
        info.setValue(code, sampleValues.at(code));
    info.setValue(8, QStringLiteral("ignored"));
    info.write();
    // The telephone number (the label named "phone") is code 5, key "tel".
    QSettings raw(QStringLiteral("rowsmith.dat"), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("CompanyInfo/tel")).toString(), sampleValues.at(5));
    QCOMPARE(companyValue(5), sampleValues.at(5));
    const CompanyInfo back = CompanyInfo::read();
    for (int code = 0; code < CompanyInfo::FieldCount; ++code)
        QCOMPARE(back.value(code), sampleValues.at(code));
}

void CompanyInfoTest::emptyValuesAreWritten()
{
    TestWorkingFolder folder;
    CompanyInfo().write();
    QSettings raw(QStringLiteral("rowsmith.dat"), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("CompanyInfo"));
    QStringList stored = raw.allKeys();
    stored.sort();
    QStringList keys = CompanyInfo::keys();
    keys.sort();
    QCOMPARE(stored, keys);
    for (int code = 0; code < CompanyInfo::FieldCount; ++code)
        QCOMPARE(companyValue(code), QString());
}

void CompanyInfoTest::readTakesOneCopy()
{
    TestWorkingFolder folder;
    writeRaw(QStringLiteral("name"), QStringLiteral("before"));
    const CompanyInfo copy = CompanyInfo::read();
    writeRaw(QStringLiteral("name"), QStringLiteral("after"));
    QCOMPARE(copy.value(0), QStringLiteral("before"));
    QCOMPARE(companyValue(0), QStringLiteral("after"));
}

QTEST_GUILESS_MAIN(CompanyInfoTest)
#include "tst_companyinfo.moc"
