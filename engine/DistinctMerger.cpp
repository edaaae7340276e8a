#include "DistinctMerger.h"

#include "language/NumberText.h"

#include <QHash>

DistinctMerger::DistinctMerger(const QList<OutputItem> &items)
{
    afterRules_.reserve(items.size());
    for (int c = 0; c < items.size(); ++c) {
        const OutputItem &item = items.at(c);
        if (item.distinct == QLatin1String("YES"))
            keyColumns_.append(c);
        if (item.merge == QLatin1String("STRING"))
            mergeColumns_.append({c, Merge::String, item.mergeSeparator});
        else if (item.merge == QLatin1String("NUMBER"))
            mergeColumns_.append({c, Merge::Number, QString()});
        afterRules_.append(CompiledRuleList(item.afterRules));
    }
}

QString DistinctMerger::mergeStrings(const QString &first, const QList<QStringList> &rows,
                                     const QVector<int> &duplicates,
                                     const MergeColumn &merge) const
{
    qsizetype length = first.size();
    for (int d : duplicates)
        length += merge.separator.size() + rows.at(d).value(merge.column).size();
    QString merged;
    merged.reserve(int(length));
    merged += first;
    for (int d : duplicates) {
        // Empty values take part: the separator goes in all the same.
        merged += merge.separator;
        merged += rows.at(d).value(merge.column);
    }
    return merged;
}

QString DistinctMerger::sumNumbers(const QString &first, const QList<QStringList> &rows,
                                   const QVector<int> &duplicates, int column)
{
    // Each value is read as a 32-bit number (0 when it is none); the sum is
    // kept in 64 bits so that many large values cannot overflow.
    qint64 sum = toInt32OrZero(first);
    for (int d : duplicates)
        sum += toInt32OrZero(rows.at(d).value(column));
    return QString::number(sum);
}

void DistinctMerger::distinctAndMerge(QList<QStringList> &rows, Groups *groups) const
{
    if (groups)
        groups->clear();
    if (keyColumns_.isEmpty())
        return;

    const int count = rows.size();
    // survivors: original index of each first occurrence, in row order;
    // duplicatesOf[g]: the later rows of group g, in row order.
    QVector<int> survivors;
    QVector<QVector<int>> duplicatesOf;
    survivors.reserve(count);
    {
        QHash<QStringList, int> groupOfKey;
        groupOfKey.reserve(count);
        const bool singleKey = keyColumns_.size() == 1;
        QHash<QString, int> groupOfSingleKey;
        if (singleKey)
            groupOfSingleKey.reserve(count);
        duplicatesOf.reserve(count);
        for (int r = 0; r < count; ++r) {
            const QStringList &row = rows.at(r);
            const int next = survivors.size();
            int group;
            if (singleKey) {
                auto it = groupOfSingleKey.constFind(row.value(keyColumns_.constFirst()));
                if (it == groupOfSingleKey.constEnd()) {
                    groupOfSingleKey.insert(row.value(keyColumns_.constFirst()), next);
                    group = next;
                } else {
                    group = it.value();
                }
            } else {
                QStringList key;
                key.reserve(keyColumns_.size());
                for (int k : keyColumns_)
                    key.append(row.value(k));
                group = groupOfKey.value(key, next);
                if (group == next)
                    groupOfKey.insert(key, next);
            }
            if (group == next) {
                survivors.append(r);
                duplicatesOf.append(QVector<int>());
            } else {
                duplicatesOf[group].append(r);
            }
        }
    }

    // Merge into each survivor while every original row is still in place.
    QList<QStringList> merged;
    merged.reserve(survivors.size());
    for (int g = 0; g < survivors.size(); ++g) {
        QStringList row = rows.at(survivors.at(g));
        const QVector<int> &duplicates = duplicatesOf.at(g);
        if (!duplicates.isEmpty()) {
            for (const MergeColumn &merge : mergeColumns_) {
                if (merge.column >= row.size())
                    continue; // a row always has one value per item
                const QString first = row.at(merge.column);
                row[merge.column] = merge.type == Merge::String
                                        ? mergeStrings(first, rows, duplicates, merge)
                                        : sumNumbers(first, rows, duplicates, merge.column);
            }
        }
        for (int c = 0; c < row.size() && c < afterRules_.size(); ++c) {
            if (!afterRules_.at(c).isEmpty())
                row[c] = afterRules_.at(c).apply(row.at(c));
        }
        merged.append(std::move(row));
    }
    rows = std::move(merged);

    if (!groups)
        return;
    groups->reserve(survivors.size());
    for (int g = 0; g < survivors.size(); ++g) {
        QVector<int> group;
        group.reserve(1 + duplicatesOf.at(g).size());
        group.append(survivors.at(g));
        group += duplicatesOf.at(g);
        groups->append(std::move(group));
    }
}
