#include "updater/FileReplacement.h"

#include <QFile>
#include <QSaveFile>

bool replaceFile(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 read = in.read(buffer.data(), buffer.size());
        if (read < 0) {
            out.cancelWriting();
            return false;
        }
        if (read == 0)
            break;
        if (out.write(buffer.constData(), read) != read)
            return false; // commit() below is never reached; the temporary file goes
    }
    return out.commit();
}
