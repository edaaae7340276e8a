#include "editors/models/ColumnLetters.h"

#include <QtTest>

class ColumnLettersTest : public QObject
{
    Q_OBJECT
private slots:
    void letters_data();
    void letters();
};

void ColumnLettersTest::letters_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("letters");
    QTest::newRow("0") << 0 << "A";
    QTest::newRow("1") << 1 << "B";
    QTest::newRow("25") << 25 << "Z";
    QTest::newRow("26") << 26 << "AA";
    QTest::newRow("29") << 29 << "AD";
    QTest::newRow("51") << 51 << "AZ";
    QTest::newRow("52") << 52 << "BA";
    QTest::newRow("701") << 701 << "ZZ";
    QTest::newRow("702") << 702 << "AAA";
    QTest::newRow("18277") << 18277 << "ZZZ";
    QTest::newRow("18278") << 18278 << "AAAA";
    QTest::newRow("max") << std::numeric_limits<int>::max() << "FXSHRXX";
    QTest::newRow("negative") << -1 << "";
}

void ColumnLettersTest::letters()
{
    QFETCH(int, column);
    QFETCH(QString, letters);
    QCOMPARE(columnLetters(column), letters);
}

QTEST_GUILESS_MAIN(ColumnLettersTest)
#include "tst_columnletters.moc"
