#pragma once

#include <QList>
#include <QStringList>
#include <functional>

class DistinctMerger;
class OutputRowBuilder;
class StatementBuilder;
class StatementList;

// Builds the output row (and, with a statement, the record) of every data row
// of the input table, in row order, and hands each to the merger. Each input
// row is let go once it has been used. A large table is built in pieces that
// alternate between the calling thread and one helper thread; rows, records
// and progress still come in row order, on the calling thread.
class OutputRowStage
{
public:
    OutputRowStage(const OutputRowBuilder &rows, const StatementBuilder *records);

    // Tables with fewer data rows stay on one thread.
    static int parallelThreshold();
    static void setParallelThreshold(int rows);

    // input: the whole table, header first; its data rows are emptied.
    // progress(i) follows each row i, 1-based.
    void run(QList<QStringList> &input, DistinctMerger &merger, StatementList *statements,
             const std::function<void(int)> &progress) const;

private:
    const OutputRowBuilder &rows_;
    const StatementBuilder *records_;
};
