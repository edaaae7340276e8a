#include "OutputStage.h"

#include "csv/CsvLineFormat.h"
#include "csv/CsvRecordBuilder.h"
#include "csv/CsvWriter.h"
#include "csv/InputRow.h"
#include "engine/OrderedChunks.h"
#include "engine/OutputRowBuilder.h"
#include "statement/StatementBuilder.h"
#include "statement/StatementList.h"

#include <algorithm>

namespace {

// Rows built at a time by one thread: enough to keep the hand-over cheap, few
// enough that the chunks waiting to be taken stay small.
constexpr int ChunkRows = 1024;

// Rows whose keys one thread hashes at a time.
constexpr int HashChunkRows = 4096;

// The output file's row of its first line after the header, as a spreadsheet
// numbers it.
constexpr int FirstDataRow = 2;

QList<OutputItem> itemsAt(const QList<OutputItem> &items, const QVector<int> &columns)
{
    QList<OutputItem> picked;
    for (int c : columns)
        picked.append(items.at(c));
    return picked;
}

} // namespace

struct OutputStage::Chunk
{
    int first = 0; // first input row
    int count = 0;
    QVector<CsvRecord> kept; // per row of a group past the chunk, its kept values
    QByteArray bytes;        // the rows' lines one after the other
    QVector<int> lineEnds;   // per row; a row merged away has an empty line
    QVector<int> gaps;       // per line with gaps, where its open values go
    QVector<StatementRecord> records;
    // Per line with characters the encoding cannot hold; by input row.
    QVector<UnencodableCharacters::Row> unencodable;
};

// A thread's buffers for building and spelling rows.
struct OutputStage::Spelling
{
    QString text;
    QString scratch;
    CsvRecordBuilder kept;
    CsvRecordBuilder merged;
    QVector<int> gapsAt;
};

// The merger sees the keys and, when there are keys, the columns that merging
// or an after-merge rule may change (open); without keys it sees nothing.
OutputStage::Columns OutputStage::columnsOf(const QList<OutputItem> &items)
{
    Columns columns;
    const bool keys = std::any_of(items.begin(), items.end(),
                                  [](const OutputItem &item) { return item.isDistinctKey(); });
    if (!keys)
        return columns;
    for (int c = 0; c < items.size(); ++c) {
        const OutputItem &item = items.at(c);
        const bool changes = item.merges() || !item.afterRules.isEmpty();
        if (!changes && !item.isDistinctKey())
            continue;
        if (changes) {
            columns.openSlots.append(columns.kept.size());
            columns.open.append(c);
        }
        if (item.isDistinctKey())
            columns.keySlots.append(columns.kept.size());
        columns.kept.append(c);
    }
    return columns;
}

OutputStage::OutputStage(const QList<OutputItem> &items, const CompanyInfo &company)
    : items_(items), company_(company), columns_(columnsOf(items)),
      merger_(itemsAt(items, columns_.kept))
{}

void OutputStage::setStatements(const StatementBuilder *builder, StatementList *statements)
{
    statementBuilder_ = builder;
    statements_ = statements;
}

CsvRecord OutputStage::keptValues(const InputRow &input, const OutputRowBuilder &builder,
                                  Spelling &spelling) const
{
    spelling.kept.clear();
    for (int c : columns_.kept)
        spelling.kept.append(builder.valueView(c, input, spelling.scratch));
    return spelling.kept.record();
}

template <typename Visit>
void OutputStage::forEachValue(const InputRow &input, const CsvRecord &values, bool withGaps,
                               const OutputRowBuilder &builder, QString &scratch, Visit visit) const
{
    const int width = items_.size();
    int open = 0;
    int keptAt = 0;
    for (int c = 0; c < width; ++c) {
        const bool isKept = keptAt < columns_.kept.size() && columns_.kept.at(keptAt) == c;
        const bool isOpen = open < columns_.open.size() && columns_.open.at(open) == c;
        if (isOpen)
            ++open;
        if (isOpen && withGaps) {
            ++keptAt; // the value comes when the rows are merged
            if (!visit(c, nullptr))
                return;
            continue;
        }
        const QStringView value =
            isKept ? values.view(keptAt++) : builder.valueView(c, input, scratch);
        if (!visit(c, &value))
            return;
    }
}

// The whole line first, then its bytes in one go between the gaps. The kept
// columns come from values, except the open ones when gaps are wanted.
void OutputStage::spell(Chunk &chunk, int row, const InputRow &input, const CsvRecord &values,
                        bool withGaps, const OutputRowBuilder &builder, CsvLineFormat &format,
                        Spelling &spelling) const
{
    QString &text = spelling.text;
    text.resize(0);
    spelling.gapsAt.resize(0);
    const int width = items_.size();
    forEachValue(input, values, withGaps, builder, spelling.scratch,
                 [&](int c, const QStringView *value) {
                     if (c > 0)
                         text += QLatin1Char(',');
                     if (value)
                         format.appendValue(text, *value, CsvLineFormat::recordEdges(c, width));
                     else
                         spelling.gapsAt.append(text.size());
                     return true;
                 });
    text += format.lineEnd();
    QByteArray &bytes = chunk.bytes;
    const int lineStart = bytes.size();
    int done = 0;
    int lost = 0;
    for (int at : qAsConst(spelling.gapsAt)) {
        lost += format.encode(QStringView(text).mid(done, at - done), bytes);
        chunk.gaps.append(bytes.size() - lineStart);
        done = at;
    }
    lost += format.encode(QStringView(text).mid(done), bytes);
    if (lost == 0)
        return;
    chunk.unencodable.append(
        stopAtUnencodable_ ? locate(row, lost, input, values, withGaps, builder, format, spelling)
                           : UnencodableCharacters::Row{row, lost, -1, 0});
}

// Only when the work stops at it: the value is built once more to find it.
UnencodableCharacters::Row OutputStage::locate(int row, int count, const InputRow &input,
                                               const CsvRecord &values, bool withGaps,
                                               const OutputRowBuilder &builder,
                                               const CsvLineFormat &format,
                                               Spelling &spelling) const
{
    UnencodableCharacters::Row found{row, count, -1, 0};
    forEachValue(input, values, withGaps, builder, spelling.scratch,
                 [&](int c, const QStringView *value) {
                     const qsizetype at = value ? format.encoder().unencodableAt(*value) : -1;
                     if (at < 0)
                         return true;
                     found.column = c;
                     found.character = OutputEncoder::characterAt(*value, at);
                     return false;
                 });
    return found;
}

bool OutputStage::countUnencodable(const Chunk &chunk)
{
    for (UnencodableCharacters::Row lost : chunk.unencodable) {
        // A line is its group's, when rows are merged, else its input row's.
        lost.row = (merger_.hasKeys() ? groups_.groupOf(lost.row) : lost.row) + FirstDataRow;
        unencodable_.add(lost);
    }
    if (stopAtUnencodable_ && !unencodable_.isEmpty())
        stopped_.store(true, std::memory_order_relaxed);
    return stopped();
}

void OutputStage::build(Chunk &chunk, std::vector<InputRow> &rows, const OutputRowBuilder &builder,
                        CsvLineFormat &format) const
{
    chunk.lineEnds.reserve(chunk.count);
    Spelling spelling;
    for (int r = 0; r < chunk.count; ++r) {
        const InputRow input = std::move(rows[std::size_t(chunk.first + r)]);
        if (statementBuilder_)
            chunk.records.append(statementBuilder_->buildStatementRecord(input));
        spell(chunk, chunk.first + r, input, CsvRecord(), false, builder, format, spelling);
        chunk.lineEnds.append(chunk.bytes.size());
    }
}

template <typename KeptOf>
CsvRecord OutputStage::mergedValues(int first, const CsvRecord &values, KeptOf keptOf,
                                    Spelling &spelling) const
{
    std::optional<DistinctMerger::Merged> merged; // a lone row has none
    for (int j = groups_.next(first); j >= 0; j = groups_.next(j)) {
        if (!merged)
            merged = merger_.startMerging(values);
        merger_.fold(*merged, keptOf(j));
    }
    return merger_.finished(values, merged ? &*merged : nullptr, spelling.merged);
}

// Every row's kept values first, so that a group within the chunk is merged
// before its first row is spelled; then the lines of the groups' first rows.
void OutputStage::buildGrouped(Chunk &chunk, std::vector<InputRow> &rows,
                               const OutputRowBuilder &builder, CsvLineFormat &format) const
{
    const int begin = chunk.first;
    const int end = begin + chunk.count;
    chunk.lineEnds.reserve(chunk.count);
    chunk.kept.resize(chunk.count);
    Spelling spelling;
    QVector<CsvRecord> kept(chunk.count);
    for (int r = begin; r < end; ++r) {
        const InputRow &input = rows[std::size_t(r)];
        if (statementBuilder_)
            chunk.records.append(statementBuilder_->buildStatementRecord(input));
        kept[r - begin] = keptValues(input, builder, spelling);
    }
    for (int r = begin; r < end; ++r) {
        const InputRow input = std::move(rows[std::size_t(r)]);
        const bool within = groups_.within(r, begin, end);
        const bool first = groups_.first(groups_.groupOf(r)) == r;
        if (!within)
            chunk.kept[r - begin] = std::move(kept[r - begin]);
        if (first && within) {
            const CsvRecord values = mergedValues(
                r, kept.at(r - begin),
                [&](int j) -> const CsvRecord & { return kept.at(j - begin); }, spelling);
            spell(chunk, r, input, values, false, builder, format, spelling);
        } else if (first) {
            spell(chunk, r, input, chunk.kept.at(r - begin), true, builder, format, spelling);
        }
        chunk.lineEnds.append(chunk.bytes.size());
    }
}

// The keys' hashes on every core, then the groups on this thread.
void OutputStage::group(const std::vector<InputRow> &rows, const OutputRowBuilder &builder)
{
    QVector<int> keys;
    for (int k : columns_.keySlots)
        keys.append(columns_.kept.at(k));
    const int count = int(rows.size());
    QVector<uint> hashes(count);
    uint *const hashAt = hashes.data();
    OrderedChunks::runAll((count + HashChunkRows - 1) / HashChunkRows, [&](int k) {
        QString scratch;
        const int end = qMin(count, (k + 1) * HashChunkRows);
        for (int r = k * HashChunkRows; r < end; ++r) {
            uint hash = 0;
            for (int c : keys)
                hash = hash * 31u + qHash(builder.valueView(c, rows[std::size_t(r)], scratch));
            hashAt[r] = hash;
        }
    });
    QString a;
    QString b;
    groups_.find(
        count, 0, [hashAt](int r) { return hashAt[r]; },
        [&](int x, int y) {
            for (int c : keys) {
                if (builder.valueView(c, rows[std::size_t(x)], a) !=
                    builder.valueView(c, rows[std::size_t(y)], b))
                    return false;
            }
            return true;
        },
        count); // never more groups than rows
    groups_.releaseIndex();
}

QList<QStringList> OutputStage::outputRows(const std::vector<InputRow> &rows)
{
    const OutputRowBuilder builder(items_, company_);
    const bool keys = merger_.hasKeys();
    if (keys)
        group(rows, builder);
    Spelling spelling;
    QList<QStringList> output;
    for (int r = 0; r < int(rows.size()); ++r) {
        const InputRow &input = rows[std::size_t(r)];
        CsvRecord values;
        if (keys) {
            if (groups_.first(groups_.groupOf(r)) != r)
                continue; // merged into its group's first row
            values = mergedValues(
                r, keptValues(input, builder, spelling),
                [&](int j) { return keptValues(rows[std::size_t(j)], builder, spelling); },
                spelling);
        }
        QStringList row;
        forEachValue(input, values, false, builder, spelling.scratch,
                     [&row](int, const QStringView *value) {
                         row.append(value->toString());
                         return true;
                     });
        output.append(row);
    }
    groups_.clear();
    return output;
}

void OutputStage::convert(std::vector<InputRow> &rows, CsvWriter &writer,
                          const std::function<void()> &rowDone)
{
    const int count = int(rows.size());
    const OutputRowBuilder builder(items_, company_);
    const CsvLineFormat &format = writer.lineFormat();
    const bool keys = merger_.hasKeys();
    if (keys)
        group(rows, builder);
    const int chunkCount = (count + ChunkRows - 1) / ChunkRows;
    QVector<Chunk> chunks(chunkCount);
    OrderedChunks::run(
        chunkCount,
        [&](int k) {
            Chunk &chunk = chunks[k];
            chunk.first = k * ChunkRows;
            chunk.count = qMin(ChunkRows, count - k * ChunkRows);
            if (stopped())
                return;                      // its lines would never be written
            CsvLineFormat ownFormat(format); // an encoder of this thread's own
            if (keys)
                buildGrouped(chunk, rows, builder, ownFormat);
            else
                build(chunk, rows, builder, ownFormat);
        },
        [&](int k) {
            Chunk chunk = std::move(chunks[k]);
            chunks[k] = Chunk();
            if (stopped() || countUnencodable(chunk))
                return;
            if (keys) {
                takeGrouped(chunk, writer, rowDone);
                return;
            }
            writer.writeEncoded(chunk.bytes.constData(), chunk.bytes.size());
            written_ += chunk.count;
            for (int r = 0; r < chunk.count; ++r) {
                if (statements_)
                    statements_->append(chunk.records.at(r));
                rowDone();
            }
        });
    rows.clear();
}

// A final line goes to the writer unless lines wait before it; a line with
// gaps waits until its group is finished, and every line after it with it.
void OutputStage::takeGrouped(Chunk &chunk, CsvWriter &writer, const std::function<void()> &rowDone)
{
    const int begin = chunk.first;
    const int end = begin + chunk.count;
    const int gapCount = columns_.open.size();
    int gapAt = 0;
    // The final lines not yet written, back to back: lines lie in row order,
    // and a line that waits ends the run before it.
    int runStart = 0;
    int runEnd = 0;
    const auto writeRun = [&] {
        if (runEnd > runStart)
            writer.writeEncoded(chunk.bytes.constData() + runStart, runEnd - runStart);
        runStart = runEnd;
    };
    for (int r = begin; r < end; ++r) {
        const int start = r > begin ? chunk.lineEnds.at(r - begin - 1) : 0;
        const int lineEnd = chunk.lineEnds.at(r - begin);
        const int g = groups_.groupOf(r);
        // Groups are numbered in the order of their first rows, as the
        // records of the rows they leave: a duplicate's line goes straight
        // into its group's record, so one huge order never holds a record
        // per row.
        if (statements_ && groups_.first(g) == r)
            statements_->append(chunk.records.at(r - begin));
        else if (statements_)
            statements_->appendFirstLine(g, chunk.records.at(r - begin));
        const bool within = groups_.within(r, begin, end);
        if (!within) {
            CsvRecord values = std::move(chunk.kept[r - begin]);
            if (groups_.first(g) == r) {
                pending_.insert(g, Pending{std::move(values), {}});
                ++unfinished_;
            } else {
                Pending &pending = pending_[g];
                if (!pending.merged)
                    pending.merged = merger_.startMerging(pending.first);
                merger_.fold(*pending.merged, values);
            }
        }
        if (lineEnd > start) {
            if (within && lineGroups_.isEmpty()) {
                runEnd = lineEnd;
            } else {
                writeRun();
                runStart = runEnd = lineEnd;
                lines_.append(chunk.bytes.constData() + start, lineEnd - start);
                lineGroups_.append(within ? -1 : g);
                if (!within) {
                    for (int o = 0; o < gapCount; ++o)
                        gaps_.append(chunk.gaps.at(gapAt + o));
                    gapAt += gapCount;
                }
            }
        }
        if (!within && groups_.last(g) == r) {
            Pending pending = pending_.take(g);
            CsvRecordBuilder buffer;
            finished_.insert(g,
                             merger_.finished(std::move(pending.first),
                                              pending.merged ? &*pending.merged : nullptr, buffer));
            if (--unfinished_ == 0)
                writeWaiting(writer);
        }
        rowDone();
    }
    writeRun();
}

void OutputStage::writeWaiting(CsvWriter &writer)
{
    const int count = lines_.size();
    const int width = items_.size();
    const int gapCount = columns_.open.size();
    CsvLineFormat format(writer.lineFormat());
    QByteArray waiting;
    QByteArray bytes;
    QString text;
    int gapAt = 0;
    for (int first = 0; first < count && !lost_ && !stopped(); first += ChunkRows) {
        const int end = qMin(count, first + ChunkRows);
        if (!lines_.read(first, end - first, waiting)) {
            lost_ = true;
            break;
        }
        bytes.resize(0);
        for (int l = first; l < end; ++l) {
            const char *line = waiting.constData() + (lines_.start(l) - lines_.start(first));
            const int size = int(lines_.start(l + 1) - lines_.start(l));
            const int g = lineGroups_.at(l);
            if (g < 0) {
                bytes.append(line, size);
                continue;
            }
            const CsvRecord values = finished_.take(g);
            int done = 0;
            for (int o = 0; o < gapCount; ++o) {
                const int gap = gaps_.at(gapAt++);
                bytes.append(line + done, gap - done);
                text.resize(0);
                const QStringView value = values.view(columns_.openSlots.at(o));
                format.appendValue(text, value,
                                   CsvLineFormat::recordEdges(columns_.open.at(o), width));
                const int lost = format.encode(text, bytes);
                if (lost > 0) {
                    const qsizetype at = format.encoder().unencodableAt(value);
                    unencodable_.add({g + FirstDataRow, lost, columns_.open.at(o),
                                      at >= 0 ? OutputEncoder::characterAt(value, at) : 0});
                    if (stopAtUnencodable_)
                        stopped_.store(true, std::memory_order_relaxed);
                }
                done = gap;
            }
            bytes.append(line + done, size - done);
        }
        writer.writeEncoded(bytes.constData(), bytes.size());
    }
    lines_.clear();
    lineGroups_.clear();
    gaps_.clear();
    finished_.clear();
}

bool OutputStage::writeKept(CsvWriter &writer, const std::function<void()> &rowDone)
{
    if (!merger_.hasKeys() || stopped())
        return !lost_;
    if (!lineGroups_.isEmpty())
        writeWaiting(writer); // every group is finished once every row is taken
    for (int g = 0; g < groups_.count(); ++g)
        rowDone();
    groups_.clear();
    return !lost_;
}
