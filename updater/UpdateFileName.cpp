#include "updater/UpdateFileName.h"

#include <QStringList>

bool isSafeUpdateFileName(const QString &name)
{
    // A colon covers drive letters and, on Windows, alternate data streams.
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':')))
        return false;
    // An empty name, a leading "/" and "a//b" all leave an empty part.
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}
