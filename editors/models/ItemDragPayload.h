#pragma once

#include "settings/SourceKind.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One dragged source value: a company field (code 0..7) or an input item (code =
// column of the combined input header).
struct ItemDragEntry
{
    SourceKind kind = SourceKind::CompanyField;
    qint32 code = 0;
    QString text;
};

// The drag payload between the input table, the company box and the output and
// statement tables: a QDataStream of (kind, code, text) entries until it ends.
class ItemDragPayload
{
public:
    static QString mimeType(); // "application/x-qabstractitemmodeldatalist"
    static QByteArray encode(const QList<ItemDragEntry> &entries);
    static QList<ItemDragEntry> decode(const QByteArray &bytes);
};
