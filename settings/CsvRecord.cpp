#include "settings/CsvRecord.h"

#include <QAtomicInt>
#include <QVarLengthArray>

#include <cstdlib>
#include <cstring>
#include <new>

struct CsvRecord::Block
{
    QAtomicInt ref;
    int cells;

    const int *ends() const { return reinterpret_cast<const int *>(this + 1); }
    int *ends() { return reinterpret_cast<int *>(this + 1); }
    const QChar *text() const { return reinterpret_cast<const QChar *>(ends() + cells); }
    QChar *text() { return reinterpret_cast<QChar *>(ends() + cells); }
};

CsvRecord::CsvRecord(const QChar *text, const int *ends, int cells)
{
    if (cells <= 0)
        return;
    const int length = ends[cells - 1];
    void *memory =
        std::malloc(sizeof(Block) + sizeof(int) * size_t(cells) + sizeof(QChar) * size_t(length));
    if (!memory)
        throw std::bad_alloc();
    d_ = new (memory) Block{QAtomicInt(1), cells};
    std::memcpy(d_->ends(), ends, sizeof(int) * size_t(cells));
    if (length > 0)
        std::memcpy(d_->text(), text, sizeof(QChar) * size_t(length));
}

CsvRecord::CsvRecord(const QStringList &cells)
{
    QString text;
    QVarLengthArray<int, 32> ends;
    for (const QString &cell : cells) {
        text += cell;
        ends.append(text.size());
    }
    *this = CsvRecord(text.constData(), ends.constData(), ends.size());
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
    const int begin = cell > 0 ? d_->ends()[cell - 1] : 0;
    return QStringView(d_->text() + begin, d_->ends()[cell] - begin);
}

QStringList CsvRecord::toStringList() const
{
    QStringList cells;
    cells.reserve(size());
    for (int k = 0; k < size(); ++k)
        cells.append(value(k));
    return cells;
}
