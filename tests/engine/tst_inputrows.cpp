#include "engine/InputRows.h"
#include "settings/InputTable.h"

#include <QRandomGenerator>
#include <QTest>

// The run's joined rows refer to records instead of copying cells; they must
// read exactly as the editor's table, which copies them.
class TestInputRows : public QObject
{
    Q_OBJECT

private slots:
    void joinsAsTheTable_data();
    void joinsAsTheTable();
};

namespace {

// A file of width columns whose key values repeat, go missing and come empty.
QList<QStringList> randomFile(QRandomGenerator &random, int width, int records)
{
    QList<QStringList> rows;
    QStringList header;
    for (int c = 0; c < width; ++c)
        header.append(QStringLiteral("h%1").arg(c));
    rows.append(header);
    for (int r = 0; r < records; ++r) {
        QStringList record;
        for (int c = 0; c < width; ++c) {
            const int pick = random.bounded(6);
            record.append(pick == 0 ? QString() : QString::number(pick + random.bounded(2) * 10));
        }
        rows.append(record);
    }
    return rows;
}

QVector<CsvRecord> recordsOf(const QList<QStringList> &file)
{
    QVector<CsvRecord> records;
    for (const QStringList &cells : file)
        records.append(CsvRecord(cells));
    return records;
}

} // namespace

void TestInputRows::joinsAsTheTable_data()
{
    QTest::addColumn<int>("forms");
    QTest::addColumn<int>("seed");
    for (int seed = 1; seed <= 20; ++seed) {
        QTest::addRow("two forms, seed %d", seed) << 2 << seed;
        QTest::addRow("four forms, seed %d", seed) << 4 << seed;
    }
}

void TestInputRows::joinsAsTheTable()
{
    QFETCH(int, forms);
    QFETCH(int, seed);
    QRandomGenerator random{quint32(seed)};
    InputTable table;
    InputRows rows;
    const QList<QStringList> first = randomFile(random, 3, random.bounded(0, 12));
    table.setFirstForm(first, QStringLiteral("a.csv"));
    rows.setFirst(recordsOf(first));
    for (int f = 1; f < forms; ++f) {
        const int width = random.bounded(1, 4);
        const QList<QStringList> file = randomFile(random, width, random.bounded(0, 12));
        // Keys out of range now and then: neither side may change then.
        const int targetKey = random.bounded(-1, table.width() + 1);
        const int key = random.bounded(-1, width + 1);
        QCOMPARE(rows.join(recordsOf(file), targetKey, key),
                 table.joinForm(file, targetKey, key, QStringLiteral("f.csv")));
    }
    const int width = table.width();
    QCOMPARE(rows.size(), table.rows().size() - 1);
    for (int r = 0; r < rows.size(); ++r) {
        QStringList expected = table.row(r + 1);
        while (expected.size() < width)
            expected.append(QString()); // an unmatched row stays short there
        QCOMPARE(rows.rows().at(std::size_t(r)).cells(), expected);
    }
}

QTEST_GUILESS_MAIN(TestInputRows)
#include "tst_inputrows.moc"
