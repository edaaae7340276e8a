#include "OutputStage.h"

#include "engine/CsvLineFormat.h"
#include "engine/CsvWriter.h"
#include "engine/OrderedChunks.h"
#include "engine/OutputRowBuilder.h"
#include "settings/InputRow.h"
#include "statement/StatementBuilder.h"
#include "statement/StatementList.h"

#include <QVarLengthArray>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

// Rows built at a time by one thread: enough to keep the hand-over cheap, few
// enough that the chunks waiting to be taken stay small.
constexpr int ChunkRows = 1024;

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
    QVector<CsvRecord> kept; // per row, the kept columns' values
    QByteArray bytes;        // the rows' lines one after the other
    QVector<int> lineEnds;   // per row; a row merged away has an empty line
    QVector<int> gaps;
    QVector<StatementRecord> records;
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

bool OutputStage::sameKeys(const CsvRecord &a, const CsvRecord &b) const
{
    for (int k : columns_.keySlots) {
        if (a.view(k) != b.view(k))
            return false;
    }
    return true;
}

void OutputStage::build(Chunk &chunk, std::vector<InputRow> &rows, const OutputRowBuilder &builder,
                        CsvLineFormat &format) const
{
    chunk.lineEnds.reserve(chunk.count);
    chunk.kept.reserve(columns_.kept.isEmpty() ? 0 : chunk.count);
    chunk.gaps.reserve(chunk.count * columns_.open.size());
    QString text;
    QString scratch; // one buffer for the values built, each spelled at once
    QString keptText;
    QVarLengthArray<int, 16> keptEnds;
    QVector<int> gapsAt;
    const int width = items_.size();
    // A row with the keys of the row before it in the chunk is surely merged
    // away: only its kept values are built, and its line is never spelled.
    // Rows of one order come together.
    for (int r = 0; r < chunk.count; ++r) {
        const InputRow input = std::move(rows[std::size_t(chunk.first + r)]);
        if (statementBuilder_)
            chunk.records.append(statementBuilder_->buildStatementRecord(input));
        CsvRecord kept;
        if (!columns_.kept.isEmpty()) {
            keptText.resize(0);
            keptEnds.clear();
            for (int c : columns_.kept) {
                keptText.append(builder.valueView(c, input, scratch));
                keptEnds.append(keptText.size());
            }
            kept = CsvRecord(keptText.constData(), keptEnds.constData(), keptEnds.size());
            const bool repeats = r > 0 && sameKeys(kept, chunk.kept.constLast());
            chunk.kept.append(kept);
            if (repeats) {
                chunk.lineEnds.append(chunk.bytes.size());
                chunk.gaps.resize(chunk.gaps.size() + columns_.open.size());
                continue;
            }
        }
        // The whole line first, then its bytes in one go between the gaps.
        text.resize(0);
        gapsAt.resize(0);
        int open = 0;
        int keptAt = 0;
        for (int c = 0; c < width; ++c) {
            if (c > 0)
                text += QLatin1Char(',');
            const bool isKept = keptAt < columns_.kept.size() && columns_.kept.at(keptAt) == c;
            if (open < columns_.open.size() && columns_.open.at(open) == c) {
                gapsAt.append(text.size()); // the value comes when the rows are merged
                ++open;
                ++keptAt;
                continue;
            }
            const QStringView value =
                isKept ? kept.view(keptAt++) : builder.valueView(c, input, scratch);
            format.appendValue(text, value, CsvLineFormat::recordEdges(c, width));
        }
        text += format.lineEnd();
        QByteArray &bytes = chunk.bytes;
        const int lineStart = bytes.size();
        int done = 0;
        for (int at : qAsConst(gapsAt)) {
            format.encode(QStringView(text).mid(done, at - done), bytes);
            chunk.gaps.append(bytes.size() - lineStart);
            done = at;
        }
        format.encode(QStringView(text).mid(done), bytes);
        chunk.lineEnds.append(bytes.size());
    }
}

void OutputStage::convert(std::vector<InputRow> &rows, CsvWriter &writer,
                          const std::function<void()> &rowDone)
{
    const int count = int(rows.size());
    const OutputRowBuilder builder(items_, company_);
    const CsvLineFormat &format = writer.lineFormat();
    const bool keep = merger_.hasKeys();
    merger_.reserve(keep ? count : 0);
    const int chunkCount = (count + ChunkRows - 1) / ChunkRows;
    QVector<Chunk> chunks(chunkCount);
    OrderedChunks::run(
        chunkCount,
        [&](int k) {
            Chunk &chunk = chunks[k];
            chunk.first = k * ChunkRows;
            chunk.count = qMin(ChunkRows, count - k * ChunkRows);
            CsvLineFormat ownFormat(format); // an encoder of this thread's own
            build(chunk, rows, builder, ownFormat);
        },
        [&](int k) {
            Chunk chunk = std::move(chunks[k]);
            chunks[k] = Chunk();
            const int gapCount = columns_.open.size();
            if (!keep) {
                writer.writeEncoded(chunk.bytes.constData(), chunk.bytes.size());
                written_ += chunk.count;
            }
            for (int r = 0; r < chunk.count; ++r) {
                if (statements_)
                    statements_->append(chunk.records.at(r));
                const int start = r > 0 ? chunk.lineEnds.at(r - 1) : 0;
                const int size = chunk.lineEnds.at(r) - start;
                if (keep && merger_.add(std::move(chunk.kept[r]))) {
                    Q_ASSERT(size > 0); // the first row of its keys is always spelled
                    lines_.append(chunk.bytes.constData() + start, size);
                    for (int g = 0; g < gapCount; ++g)
                        gaps_.append(chunk.gaps.at(r * gapCount + g));
                }
                rowDone();
            }
        });
    rows.clear();
}

bool OutputStage::writeKept(CsvWriter &writer, DistinctMerger::Groups *groups,
                            const std::function<void()> &rowDone)
{
    if (!merger_.hasKeys())
        return true;
    const int count = merger_.startFinishing(groups);
    const int width = items_.size();
    const int gapCount = columns_.open.size();
    const CsvLineFormat &format = writer.lineFormat();
    // Merging, the after-merge rules and spelling the merged values run on two
    // threads too; the writer takes the finished lines in order.
    const int chunkCount = (count + ChunkRows - 1) / ChunkRows;
    QVector<QByteArray> finished(chunkCount);
    std::atomic<bool> lost{false};
    OrderedChunks::run(
        chunkCount,
        [&](int k) {
            const int first = k * ChunkRows;
            const int end = qMin(count, first + ChunkRows);
            QByteArray kept;
            if (!lines_.read(first, end - first, kept)) {
                lost = true;
                return;
            }
            CsvLineFormat ownFormat(format);
            QByteArray &bytes = finished[k];
            QString text;
            for (int g = first; g < end; ++g) {
                const char *line = kept.constData() + (lines_.start(g) - lines_.start(first));
                const int size = int(lines_.start(g + 1) - lines_.start(g));
                const CsvRecord values = merger_.finishRow(g);
                int done = 0;
                for (int o = 0; o < gapCount; ++o) {
                    const int gap = gaps_.at(g * gapCount + o);
                    bytes.append(line + done, gap - done);
                    text.resize(0);
                    ownFormat.appendValue(text, values.view(columns_.openSlots.at(o)),
                                          CsvLineFormat::recordEdges(columns_.open.at(o), width));
                    ownFormat.encode(text, bytes);
                    done = gap;
                }
                bytes.append(line + done, size - done);
            }
        },
        [&](int k) {
            const QByteArray bytes = std::move(finished[k]);
            finished[k] = QByteArray();
            if (lost)
                return;
            writer.writeEncoded(bytes.constData(), bytes.size());
            const int end = qMin(count, (k + 1) * ChunkRows);
            for (int g = k * ChunkRows; g < end; ++g)
                rowDone();
        });
    merger_.clear();
    lines_.clear();
    gaps_.clear();
    return !lost;
}
