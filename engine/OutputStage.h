#pragma once

#include "engine/DistinctMerger.h"
#include "engine/KeptLines.h"
#include "settings/CompanyInfo.h"
#include "settings/OutputItem.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVector>
#include <functional>
#include <vector>

class CsvLineFormat;
class CsvWriter;
class InputRow;
class OutputRowBuilder;
class StatementBuilder;
class StatementList;

// Turns the input rows of a run into the lines of the output file. Rows are
// built and spelled in chunks on two threads and taken in row order. A row is
// kept as its encoded line with gaps for the values that merging or the
// after-merge rules may still change; without a key item nothing changes any
// more, and the lines go straight to the writer.
class OutputStage
{
public:
    OutputStage(const QList<OutputItem> &items, const CompanyInfo &company);

    // Statement records, one per input row, are built alongside and appended
    // to statements in row order.
    void setStatements(const StatementBuilder *builder, StatementList *statements);

    // Takes the input rows, each let go once converted, and leaves the list
    // empty; rowDone is called on this thread after each row, in order.
    void convert(std::vector<InputRow> &input, CsvWriter &writer,
                 const std::function<void()> &rowDone);
    // The rows kept for merging: how many there will be, and then writing
    // them, merged, with rowDone after each. groups as DistinctMerger gives.
    int rowCount() const { return merger_.hasKeys() ? lines_.size() : written_; }
    // False, with errorString(), when the kept lines could not be read back.
    bool writeKept(CsvWriter &writer, DistinctMerger::Groups *groups,
                   const std::function<void()> &rowDone);
    QString errorString() const { return lines_.errorString(); }

private:
    struct Chunk;
    // Which columns the merger sees, made once from the items.
    struct Columns
    {
        QVector<int> open;      // left as gaps in the kept lines
        QVector<int> kept;      // the merger's: keys and open ones
        QVector<int> openSlots; // each open column's place among the kept ones
        QVector<int> keySlots;  // the key columns' places among the kept ones
    };
    static Columns columnsOf(const QList<OutputItem> &items);
    bool sameKeys(const CsvRecord &a, const CsvRecord &b) const;
    void build(Chunk &chunk, std::vector<InputRow> &rows, const OutputRowBuilder &builder,
               CsvLineFormat &format) const;

    const QList<OutputItem> items_;
    const CompanyInfo company_;
    const Columns columns_;
    DistinctMerger merger_;
    const StatementBuilder *statementBuilder_ = nullptr;
    StatementList *statements_ = nullptr;
    KeptLines lines_;   // per kept row
    QVector<int> gaps_; // per kept row, where each open value goes in its line
    int written_ = 0;
};
