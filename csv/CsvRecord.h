#pragma once

#include <QStringList>
#include <QStringView>

// One record of a CSV file in a single block: where each cell ends, then the
// cells' text one after the other. Reading a file makes one allocation per
// record instead of one per cell; copies share the block, from any thread.
class CsvRecord
{
public:
    CsvRecord() = default;
    // ends[k] is where cell k ends in text; the cells lie back to back.
    CsvRecord(const QChar *text, const int *ends, int cells);
    explicit CsvRecord(const QStringList &cells);
    CsvRecord(const CsvRecord &other) noexcept;
    CsvRecord(CsvRecord &&other) noexcept : d_(other.d_) { other.d_ = nullptr; }
    CsvRecord &operator=(const CsvRecord &other) noexcept;
    CsvRecord &operator=(CsvRecord &&other) noexcept;
    ~CsvRecord();

    int size() const;
    // A cell's text, empty past the last cell; valid while the record is.
    QStringView view(int cell) const;
    QString value(int cell) const { return view(cell).toString(); }
    QStringList toStringList() const;

private:
    struct Block;
    void release();

    Block *d_ = nullptr;
};

// A record moves by its one pointer.
Q_DECLARE_TYPEINFO(CsvRecord, Q_MOVABLE_TYPE);
