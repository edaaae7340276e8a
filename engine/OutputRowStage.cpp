#include "OutputRowStage.h"

#include "engine/DistinctMerger.h"
#include "engine/OutputRowBuilder.h"
#include "statement/StatementBuilder.h"
#include "statement/StatementList.h"

#include <QSemaphore>
#include <QThread>
#include <QVector>

namespace {

int threshold = 20000;

constexpr int ChunkRows = 512;  // rows built in one piece
constexpr int ChunksAhead = 4;  // pieces the helper may build before they are taken

// The rows and records of one piece.
struct Chunk
{
    QVector<QStringList> rows;
    QVector<StatementRecord> records;
};

} // namespace

OutputRowStage::OutputRowStage(const OutputRowBuilder &rows, const StatementBuilder *records)
    : rows_(rows), records_(records)
{
}

int OutputRowStage::parallelThreshold() { return threshold; }

void OutputRowStage::setParallelThreshold(int rows) { threshold = rows; }

void OutputRowStage::run(QList<QStringList> &input, DistinctMerger &merger,
                         StatementList *statements,
                         const std::function<void(int)> &progress) const
{
    const int last = input.size() - 1;
    if (last < 1)
        return;
    merger.reserve(last);
    // One detach up front; afterwards each thread only moves its own rows out.
    const QList<QStringList>::iterator rows = input.begin();
    const bool withRecords = records_ && statements;

    auto take = [&](QStringList built, const StatementRecord *record, int i) {
        merger.add(std::move(built));
        if (record)
            statements->append(*record);
        progress(i);
    };

    if (last < threshold || QThread::idealThreadCount() < 2) {
        for (int i = 1; i <= last; ++i) {
            const QStringList row = std::move(rows[i]);
            QStringList built = rows_.buildOutputRow(row);
            if (withRecords) {
                const StatementRecord record = records_->buildStatementRecord(row);
                take(std::move(built), &record, i);
            } else {
                take(std::move(built), nullptr, i);
            }
        }
        return;
    }

    // Pieces of rows alternate between this thread (even pieces) and a helper
    // (odd pieces, built at most a few pieces ahead), so memory stays bounded
    // and every row is still taken in order.
    const int chunks = (last + ChunkRows - 1) / ChunkRows;
    auto firstRow = [](int chunk) { return 1 + chunk * ChunkRows; };
    auto endRow = [&](int chunk) { return qMin(last + 1, firstRow(chunk) + ChunkRows); };
    auto build = [&](int chunk, Chunk &out) {
        out.rows.clear();
        out.records.clear();
        for (int i = firstRow(chunk); i < endRow(chunk); ++i) {
            const QStringList row = std::move(rows[i]);
            out.rows.append(rows_.buildOutputRow(row));
            if (withRecords)
                out.records.append(records_->buildStatementRecord(row));
        }
    };

    QVector<Chunk> ring(ChunksAhead);
    QSemaphore free(ChunksAhead);
    QSemaphore ready(0);
    QThread *helper = QThread::create([&]() {
        for (int chunk = 1, k = 0; chunk < chunks; chunk += 2, ++k) {
            free.acquire();
            build(chunk, ring[k % ChunksAhead]);
            ready.release();
        }
    });
    helper->start();

    Chunk own;
    for (int chunk = 0, k = 0; chunk < chunks; ++chunk) {
        Chunk *piece = &own;
        if (chunk % 2 == 0) {
            build(chunk, own);
        } else {
            ready.acquire();
            piece = &ring[k++ % ChunksAhead];
        }
        for (int r = 0; r < piece->rows.size(); ++r) {
            take(std::move(piece->rows[r]), withRecords ? &piece->records.at(r) : nullptr,
                 firstRow(chunk) + r);
        }
        piece->rows.clear();
        piece->records.clear();
        if (chunk % 2 == 1)
            free.release();
    }
    helper->wait();
    delete helper;
}
