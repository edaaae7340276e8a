#pragma once

#include "settings/InputForm.h"

#include <QList>
#include <QStringList>

// The combined input table: row 0 is the combined header, every further row a
// data (or example) row; plus the input forms that built it. A run fills it
// with all rows of the input files, the setting editor with a header and two
// example rows. Rows may be shorter than the header; missing cells read as "".
class InputTable
{
public:
    bool isEmpty() const { return rows_.isEmpty(); }
    int width() const { return rows_.isEmpty() ? 0 : rows_.first().size(); }
    QStringList header() const { return rows_.value(0); }
    QStringList row(int i) const { return rows_.value(i); }
    // All rows, header first, without copying them.
    const QList<QStringList> &rows() const { return rows_; }
    const QList<InputForm> &forms() const { return forms_; }
    QStringList formNames() const;
    int firstColumnOfForm(int k) const;

    // Replaces the table by a whole file (header row first); records a form
    // named after fileName unless it is empty.
    void setFirstForm(QList<QStringList> fileRows, const QString &fileName);
    // Joins a further file on one key column; false, and nothing changed, when a
    // key column is out of range.
    bool joinForm(const QList<QStringList> &fileRows, int targetKey, int key,
                  const QString &fileName);
    // Appends a file's records (its header row left out).
    void appendDataRows(const QList<QStringList> &fileRows);
    // Takes every row out, header first, leaving only the header and the forms.
    QList<QStringList> takeRows();
    // Removes count rows from row on; false when they are not all there.
    bool removeRows(int row, int count);
    void clear();

    // Appends the table as a setting keeps it: header, the example rows that
    // are not empty, and the forms.
    void appendStored(const QStringList &heads, const QStringList &ex1, const QStringList &ex2,
                      const QList<InputForm> &forms);

private:
    QList<QStringList> rows_;
    QList<InputForm> forms_;
};
