#include "csv/CsvRecord.h"

#include "csv/CsvRecordBuilder.h"

#include <QAtomicInt>

#include <cstdlib>
#include <cstring>
#include <new>

// The cell ends take 16 bits each unless the text is longer than that
// reaches, which no ordinary record is.
struct CsvRecord::Block
{
    QAtomicInt ref;
    int cells;
    bool wide;

    template <typename End> const End *ends() const
    {
        return reinterpret_cast<const End *>(this + 1);
    }
    const QChar *text() const
    {
        return reinterpret_cast<const QChar *>(reinterpret_cast<const char *>(this + 1) +
                                               endBytes(cells, wide));
    }
    static size_t endBytes(int cells, bool wide)
    {
        return size_t(cells) * (wide ? sizeof(int) : sizeof(quint16));
    }
};

CsvRecord::CsvRecord(const QChar *text, const int *ends, int cells)
{
    if (cells <= 0)
        return;
    const int length = ends[cells - 1];
    const bool wide = length > 0xFFFF;
    const size_t endBytes = Block::endBytes(cells, wide);
    void *memory = std::malloc(sizeof(Block) + endBytes + sizeof(QChar) * size_t(length));
    if (!memory)
        throw std::bad_alloc();
    d_ = new (memory) Block{QAtomicInt(1), cells, wide};
    char *at = reinterpret_cast<char *>(d_ + 1);
    if (wide) {
        std::memcpy(at, ends, endBytes);
    } else {
        auto *narrow = reinterpret_cast<quint16 *>(at);
        for (int k = 0; k < cells; ++k)
            narrow[k] = quint16(ends[k]);
    }
    if (length > 0)
        std::memcpy(at + endBytes, text, sizeof(QChar) * size_t(length));
}

CsvRecord::CsvRecord(const QStringList &cells)
{
    CsvRecordBuilder builder;
    for (const QString &cell : cells)
        builder.append(cell);
    *this = builder.record();
}

CsvRecord::CsvRecord(const CsvRecord &other) noexcept : d_(other.d_)
{
    if (d_)
        d_->ref.ref();
}

CsvRecord &CsvRecord::operator=(const CsvRecord &other) noexcept
{
    if (other.d_)
        other.d_->ref.ref();
    release();
    d_ = other.d_;
    return *this;
}

CsvRecord &CsvRecord::operator=(CsvRecord &&other) noexcept
{
    if (this != &other) {
        release();
        d_ = other.d_;
        other.d_ = nullptr;
    }
    return *this;
}

CsvRecord::~CsvRecord()
{
    release();
}

void CsvRecord::release()
{
    if (d_ && !d_->ref.deref()) {
        d_->~Block();
        std::free(d_);
    }
    d_ = nullptr;
}

int CsvRecord::size() const
{
    return d_ ? d_->cells : 0;
}

QStringView CsvRecord::view(int cell) const
{
    if (!d_ || cell < 0 || cell >= d_->cells)
        return QStringView();
    int begin = 0;
    int end = 0;
    if (d_->wide) {
        const int *ends = d_->ends<int>();
        begin = cell > 0 ? ends[cell - 1] : 0;
        end = ends[cell];
    } else {
        const quint16 *ends = d_->ends<quint16>();
        begin = cell > 0 ? ends[cell - 1] : 0;
        end = ends[cell];
    }
    return QStringView(d_->text() + begin, end - begin);
}

QStringList CsvRecord::toStringList() const
{
    QStringList cells;
    cells.reserve(size());
    for (int k = 0; k < size(); ++k)
        cells.append(value(k));
    return cells;
}
