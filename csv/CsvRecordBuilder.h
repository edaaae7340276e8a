#pragma once

#include "csv/CsvRecord.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

// Makes records cell by cell; its buffers serve one record after another, so
// that each record costs its own one allocation and no more.
class CsvRecordBuilder
{
public:
    void clear()
    {
        text_.resize(0);
        ends_.clear();
    }
    void append(QStringView cell)
    {
        text_.append(cell);
        ends_.append(text_.size());
    }
    CsvRecord record() const
    {
        return CsvRecord(text_.constData(), ends_.constData(), ends_.size());
    }

private:
    QString text_;
    QVarLengthArray<int, 32> ends_;
};
