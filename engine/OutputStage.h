#pragma once

#include "csv/KeyGroups.h"
#include "engine/DistinctMerger.h"
#include "engine/KeptLines.h"
#include "engine/UnencodableCharacters.h"
#include "settings/CompanyInfo.h"
#include "settings/OutputItem.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class CsvLineFormat;
class CsvWriter;
class InputRow;
class OutputRowBuilder;
class StatementBuilder;
class StatementList;

// Turns the input rows of a run into the lines of the output file. Rows are
// built and spelled in chunks on two threads and taken in row order. Without a
// key item each line goes straight to the writer. With keys, the rows that
// merge are found first: a group that lies within one chunk is merged and
// spelled whole by the thread that builds it; a group that reaches past its
// chunk leaves its line with gaps for the values merging or the after-merge
// rules may still change, and its values are folded as its rows are taken.
// Lines wait (in memory, past a size in a temporary file) only while a group
// before them is unfinished.
class OutputStage
{
public:
    OutputStage(const QList<OutputItem> &items, const CompanyInfo &company);

    // Statement records, one per input row, are built alongside and given to
    // statements in row order: one per output row, the lines of the rows
    // merged into it appended to it.
    void setStatements(const StatementBuilder *builder, StatementList *statements);
    // Whether the first character the output encoding cannot hold ends the
    // work (it is then looked up: its column and the character), or all of
    // them are only counted by row.
    void setStopAtUnencodable(bool stop) { stopAtUnencodable_ = stop; }

    // The values of the rows that convert() would write for rows, grouped and
    // merged the same way: what a setting makes of a few example rows.
    QList<QStringList> outputRows(const std::vector<InputRow> &rows);
    // Takes the input rows, each let go once converted, and leaves the list
    // empty; rowDone is called on this thread after each row, in order.
    void convert(std::vector<InputRow> &input, CsvWriter &writer,
                 const std::function<void()> &rowDone);
    // The rows written: how many there are, and then rowDone for each of
    // them. False, with errorString(), when lines that waited could not be
    // read back.
    int rowCount() const { return merger_.hasKeys() ? groups_.count() : written_; }
    bool writeKept(CsvWriter &writer, const std::function<void()> &rowDone);
    QString errorString() const { return lines_.errorString(); }
    // What the encoding could not hold, in the rows of the output file.
    const UnencodableCharacters &unencodable() const { return unencodable_; }
    // Stopped at a character the encoding cannot hold; the lines are incomplete.
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }

private:
    struct Chunk;
    struct Spelling;
    // Which columns the merger sees, made once from the items.
    struct Columns
    {
        QVector<int> open;      // left as gaps in the lines that wait
        QVector<int> kept;      // the merger's: keys and open ones
        QVector<int> openSlots; // each open column's place among the kept ones
        QVector<int> keySlots;  // the key columns' places among the kept ones
    };
    // A group whose rows reach past one chunk, while its rows are taken.
    struct Pending
    {
        CsvRecord first;                              // its first row's kept values
        std::optional<DistinctMerger::Merged> merged; // once a duplicate came
    };
    static Columns columnsOf(const QList<OutputItem> &items);
    void group(const std::vector<InputRow> &rows, const OutputRowBuilder &builder);
    CsvRecord keptValues(const InputRow &input, const OutputRowBuilder &builder,
                         Spelling &spelling) const;
    // The kept values of a group's first row with keptOf(row) of each of its
    // further rows folded in, and the after-merge rules.
    template <typename KeptOf>
    CsvRecord mergedValues(int first, const CsvRecord &values, KeptOf keptOf,
                           Spelling &spelling) const;
    void spell(Chunk &chunk, int row, const InputRow &input, const CsvRecord &values, bool withGaps,
               const OutputRowBuilder &builder, CsvLineFormat &format, Spelling &spelling) const;
    // Calls visit(column, value) for each column of a line, in order; value
    // is null for a gap. Stops when visit returns false.
    template <typename Visit>
    void forEachValue(const InputRow &input, const CsvRecord &values, bool withGaps,
                      const OutputRowBuilder &builder, QString &scratch, Visit visit) const;
    UnencodableCharacters::Row locate(int row, int count, const InputRow &input,
                                      const CsvRecord &values, bool withGaps,
                                      const OutputRowBuilder &builder, const CsvLineFormat &format,
                                      Spelling &spelling) const;
    // Counts what the chunk's lines could not hold; true when the work stops there.
    bool countUnencodable(const Chunk &chunk);
    void build(Chunk &chunk, std::vector<InputRow> &rows, const OutputRowBuilder &builder,
               CsvLineFormat &format) const;
    void buildGrouped(Chunk &chunk, std::vector<InputRow> &rows, const OutputRowBuilder &builder,
                      CsvLineFormat &format) const;
    void takeGrouped(Chunk &chunk, CsvWriter &writer, const std::function<void()> &rowDone);
    // Writes the lines that waited, once no group before them is unfinished.
    void writeWaiting(CsvWriter &writer);

    const QList<OutputItem> items_;
    const CompanyInfo company_;
    const Columns columns_;
    const DistinctMerger merger_;
    const StatementBuilder *statementBuilder_ = nullptr;
    StatementList *statements_ = nullptr;
    KeyGroups groups_;
    QHash<int, Pending> pending_;    // by group
    QHash<int, CsvRecord> finished_; // by group, the values of waiting lines
    KeptLines lines_;                // that wait, in row order
    QVector<int> lineGroups_;        // per waiting line, its group, or -1 when it is final
    QVector<int> gaps_;              // per waiting line of a group, where its open values go
    int unfinished_ = 0;             // groups among the waiting lines still to finish
    bool lost_ = false;
    int written_ = 0;
    bool stopAtUnencodable_ = false;
    std::atomic<bool> stopped_{false};
    UnencodableCharacters unencodable_;
};
