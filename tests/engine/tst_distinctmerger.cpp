#include "support/ListMerger.h"

#include "csv/InputRow.h"
#include "engine/OutputStage.h"
#include "language/NumberText.h"
#include "language/RuleApplication.h"

#include "engine/EngineTestSupport.h"

#include <vector>

#include <QRandomGenerator>
#include <QtTest>

using Rows = QList<QStringList>;
using Groups = ListMerger::Groups;

namespace {

// Item c of a spec string: "K" key, "S" string merge with "/", "N" number
// merge, "-" nothing; a "t" after it adds the after-merge rule "trim". Item c
// is input column c as it stands.
QList<OutputItem> itemsFrom(const QString &spec)
{
    QList<OutputItem> items;
    for (const QChar c : spec) {
        if (c == QLatin1Char('t')) {
            items.last().afterRules.append(QStringLiteral("trim"));
            continue;
        }
        OutputItem item;
        item.mapSources = {SourceKind::InputItem};
        item.mapNums = {items.size()};
        if (c == QLatin1Char('K'))
            item.distinct = QStringLiteral("YES");
        if (c == QLatin1Char('S')) {
            item.merge = QStringLiteral("STRING");
            item.mergeSeparator = QStringLiteral("/");
        }
        if (c == QLatin1Char('N'))
            item.merge = QStringLiteral("NUMBER");
        items.append(item);
    }
    return items;
}

// The rows as the stage is specified: compare each row with every later one,
// remove duplicates in place, fold them in, then the after-merge rules.
Rows referenceMerge(Rows rows, const QList<OutputItem> &items, QList<QList<int>> *groups)
{
    QList<int> keys, merges;
    for (int c = 0; c < items.size(); ++c) {
        if (items.at(c).distinct == QLatin1String("YES"))
            keys.append(c);
        if (items.at(c).merge == QLatin1String("STRING") ||
            items.at(c).merge == QLatin1String("NUMBER"))
            merges.append(c);
    }
    if (keys.isEmpty())
        return rows;
    QList<int> origin;
    for (int r = 0; r < rows.size(); ++r)
        origin.append(r);
    for (int i = 0; i < rows.size(); ++i) {
        QList<QStringList> duplicates;
        QList<int> group{origin.at(i)};
        for (int j = i + 1; j < rows.size();) {
            bool same = true;
            for (int k : keys)
                same = same && rows.at(j).value(k) == rows.at(i).value(k);
            if (!same) {
                ++j;
                continue;
            }
            if (!merges.isEmpty())
                duplicates.append(rows.at(j));
            group.append(origin.at(j));
            rows.removeAt(j);
            origin.removeAt(j);
        }
        QStringList merged = rows.at(i);
        if (!duplicates.isEmpty()) {
            for (int c : merges) {
                if (items.at(c).merge == QLatin1String("STRING")) {
                    for (const QStringList &d : duplicates)
                        merged[c] += items.at(c).mergeSeparator + d.value(c);
                } else {
                    qint64 sum = toInt32OrZero(merged.at(c));
                    for (const QStringList &d : duplicates)
                        sum += toInt32OrZero(d.value(c));
                    merged[c] = QString::number(sum);
                }
            }
        }
        for (int c = 0; c < merged.size(); ++c)
            merged[c] = applyRules(items.value(c).afterRules, merged.at(c));
        rows[i] = merged;
        groups->append(group);
    }
    return rows;
}

// The rows as a run merges them, the rows given as its input rows.
Rows mergedByTheRun(const QList<OutputItem> &items, const Rows &rows)
{
    const std::vector<InputRow> input(rows.cbegin(), rows.cend());
    return OutputStage(items, CompanyInfo()).outputRows(input);
}

QList<QList<int>> asLists(const Groups &groups)
{
    QList<QList<int>> lists;
    for (const QVector<int> &g : groups)
        lists.append(g.toList());
    return lists;
}

} // namespace

class TestDistinctMerger : public QObject
{
    Q_OBJECT
private slots:
    void merge_data();
    void merge();
    void sameAsComparingEveryPair_data();
    void sameAsComparingEveryPair();
};

void TestDistinctMerger::merge_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Rows>("merged");
    QTest::addColumn<QList<QList<int>>>("groups");

    QTest::newRow("no key: unchanged, no after-merge rule")
        << "-Nt" << Rows{{"a", " 1 "}, {"a", " 2 "}} << Rows{{"a", " 1 "}, {"a", " 2 "}}
        << QList<QList<int>>();
    QTest::newRow("keys without merges keep the first values")
        << "K-t" << Rows{{"a", " x "}, {"b", "y"}, {"a", "z"}} << Rows{{"a", "x"}, {"b", "y"}}
        << QList<QList<int>>{{0, 2}, {1}};
    QTest::newRow("string merge keeps empty values")
        << "KS" << Rows{{"k", "a"}, {"k", ""}, {"k", "c"}} << Rows{{"k", "a//c"}}
        << QList<QList<int>>{{0, 1, 2}};
    QTest::newRow("number merge counts non-numbers as 0")
        << "KN" << Rows{{"k", "10"}, {"k", "abc"}, {"k", "-3"}} << Rows{{"k", "7"}}
        << QList<QList<int>>{{0, 1, 2}};
    QTest::newRow("number merge in 64 bits")
        << "KN" << Rows{{"k", "2147483647"}, {"k", "2147483647"}, {"k", "2147483648"}}
        << Rows{{"k", "4294967294"}} << QList<QList<int>>{{0, 1, 2}};
    QTest::newRow("a lone row keeps its number as written")
        << "KN" << Rows{{"k", " 10"}} << Rows{{"k", " 10"}} << QList<QList<int>>{{0}};
    QTest::newRow("first occurrences keep their places, duplicates fold in row order")
        << "KS" << Rows{{"A", "1"}, {"B", "1"}, {"A", "2"}, {"C", "1"}, {"B", "2"}, {"A", "3"}}
        << Rows{{"A", "1/2/3"}, {"B", "1/2"}, {"C", "1"}}
        << QList<QList<int>>{{0, 2, 5}, {1, 4}, {3}};
    QTest::newRow("keys compare case-sensitively")
        << "KS" << Rows{{"abc", "1"}, {"ABC", "2"}} << Rows{{"abc", "1"}, {"ABC", "2"}}
        << QList<QList<int>>{{0}, {1}};
    QTest::newRow("after-merge rules do not make duplicates")
        << "KtS" << Rows{{"a ", "1"}, {"a", "2"}} << Rows{{"a", "1"}, {"a", "2"}}
        << QList<QList<int>>{{0}, {1}};
    QTest::newRow("two key columns")
        << "KKN" << Rows{{"a", "b", "1"}, {"a", "c", "2"}, {"a", "b", "3"}, {"ab", "", "4"}}
        << Rows{{"a", "b", "4"}, {"a", "c", "2"}, {"ab", "", "4"}}
        << QList<QList<int>>{{0, 2}, {1}, {3}};
    QTest::newRow("after-merge rules run on merged values")
        << "KSt" << Rows{{"k", " a"}, {"k", "b "}} << Rows{{"k", "a/b"}}
        << QList<QList<int>>{{0, 1}};
}

void TestDistinctMerger::merge()
{
    QFETCH(QString, items);
    QFETCH(Rows, rows);
    QFETCH(Rows, merged);
    QFETCH(QList<QList<int>>, groups);

    QCOMPARE(mergedByTheRun(itemsFrom(items), rows), merged);
    ListMerger merger(itemsFrom(items));
    Groups found;
    merger.distinctAndMerge(rows, &found);
    QCOMPARE(rows, merged);
    QCOMPARE(asLists(found), groups);
}

void TestDistinctMerger::sameAsComparingEveryPair_data()
{
    QTest::addColumn<QString>("items");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("one key") << "KSN-t" << 1u;
    QTest::newRow("two keys") << "SKNKt" << 2u;
    QTest::newRow("keys only") << "KK" << 3u;
    QTest::newRow("no key") << "SN" << 4u;
}

void TestDistinctMerger::sameAsComparingEveryPair()
{
    QFETCH(QString, items);
    QFETCH(quint32, seed);
    const QList<OutputItem> list = itemsFrom(items);
    QRandomGenerator random(seed);
    const QStringList values{"", "a", "b", " a", "10", "-4", "x,y", "2147483647"};
    Rows rows;
    for (int r = 0; r < 400; ++r) {
        QStringList row;
        for (int c = 0; c < list.size(); ++c)
            row.append(values.at(random.bounded(values.size())));
        rows.append(row);
    }
    QList<QList<int>> expectedGroups;
    const Rows expected = referenceMerge(rows, list, &expectedGroups);

    QCOMPARE(mergedByTheRun(list, rows), expected);

    // The tests' reference merger, row by row with the table grown in
    // between, as well as all at once.
    ListMerger incremental(list);
    for (int r = 0; r < rows.size(); ++r) {
        if (r == 40)
            incremental.reserve(4 * rows.size());
        incremental.add(rows.at(r));
    }
    Groups groups;
    QCOMPARE(incremental.takeRows(&groups), expected);
    QCOMPARE(asLists(groups), expectedGroups);

    ListMerger(list).distinctAndMerge(rows, &groups);
    QCOMPARE(rows, expected);
    QCOMPARE(asLists(groups), expectedGroups);
}

QTEST_GUILESS_MAIN(TestDistinctMerger)
#include "tst_distinctmerger.moc"
