#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

QStringList fuzzFields(const std::uint8_t *data, std::size_t size)
{
    QString text;
    if (size > 0 && data[0] == 0) {
        for (std::size_t i = 1; i + 1 < size; i += 2)
            text += QChar(char16_t(data[i] | (data[i + 1] << 8)));
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    }
    return text.split(QChar(0x1F), Qt::KeepEmptyParts);
}

void require(bool condition, const char *what, const QStringList &fields)
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    for (const QString &field : fields)
        std::fprintf(stderr, "  field: %s\n", field.toUtf8().constData());
    std::abort();
}

bool isWellFormed(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}
