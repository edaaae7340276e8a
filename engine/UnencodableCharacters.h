#pragma once

#include <QVector>

// The characters of a run that the output encoding could not hold, by the
// rows of the output file they are in (the header is row 1), and the first of
// them with its column when that was looked for.
class UnencodableCharacters
{
public:
    struct Row
    {
        int row = 0;
        int count = 0;
        int column = -1; // of the row's first such character; -1 when not looked for
        char32_t character = 0;
    };

    void add(const Row &row);
    void add(const UnencodableCharacters &other);
    bool isEmpty() const { return rows_.isEmpty(); }
    qint64 count() const { return count_; }
    // The first row added.
    const Row &first() const { return rows_.constFirst(); }
    // The rows, ascending, each once.
    QVector<int> rowNumbers() const;

private:
    QVector<Row> rows_;
    qint64 count_ = 0;
};
