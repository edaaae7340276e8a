#include "editors/models/ItemDragPayload.h"

#include <QDataStream>
#include <QIODevice>

QString ItemDragPayload::mimeType()
{
    return QStringLiteral("application/x-qabstractitemmodeldatalist");
}

QByteArray ItemDragPayload::encode(const QList<ItemDragEntry> &entries)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (const ItemDragEntry &entry : entries)
        stream << qint32(entry.kind) << entry.code << entry.text;
    return bytes;
}

QList<ItemDragEntry> ItemDragPayload::decode(const QByteArray &bytes)
{
    QList<ItemDragEntry> entries;
    QDataStream stream(bytes);
    while (!stream.atEnd()) {
        ItemDragEntry entry;
        qint32 kind = 0;
        stream >> kind >> entry.code >> entry.text;
        entry.kind = SourceKind(kind);
        // A truncated entry ends the payload rather than adding garbage.
        if (stream.status() != QDataStream::Ok)
            break;
        entries.append(entry);
    }
    return entries;
}
