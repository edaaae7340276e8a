#pragma once

#include "settings/InputForm.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The combined input table: row 0 is the combined header, every further row a
// data (or example) row; plus the input forms that built it. The run fills it
// with all rows of the input files, the setting editor with a header and two
// example rows. Rows may be shorter than the header; missing cells read as "".
class InputModeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit InputModeModel(QObject *parent = nullptr);

    // Item model face: header row draggable, example rows disabled.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    bool isEmpty() const;
    QStringList header() const;
    QStringList row(int i) const;
    // All rows, header first, without copying them.
    const QList<QStringList> &rows() const;
    QList<InputForm> forms() const;
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
    void clear();

    void save(const QString &settingName) const;
    void load(const QString &settingName);

private:
    bool isCell(const QModelIndex &index) const;

    QList<QStringList> rows_;
    QList<InputForm> forms_;
};
