#include "statement/PdfTextMapRepair.h"

#include <QFile>

namespace {

const QByteArray mapStart = QByteArrayLiteral("/Registry (Adobe) /Ordering (UCS)");
const QByteArray rangeStart = QByteArrayLiteral("beginbfrange");
const QByteArray rangeEnd = QByteArrayLiteral("endbfrange");

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A "<XXXX>" code at position; -1 when there is none.
int codeAt(const QByteArray &data, int position)
{
    if (position + 6 > data.size() || data.at(position) != '<' || data.at(position + 5) != '>')
        return -1;
    int value = 0;
    for (int k = 1; k <= 4; ++k) {
        const int digit = hexValue(data.at(position + k));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool replaceCode(QByteArray &data, int position, const PdfTextMapRepair::Resolver &resolve)
{
    const int code = codeAt(data, position);
    if (code < 0)
        return false;
    const ushort intended = resolve(ushort(code));
    if (intended == code)
        return false;
    data.replace(position + 1, 4,
                 QByteArray::number(intended, 16).toUpper().rightJustified(4, '0'));
    return true;
}

// One line of a range block: "<first> <last> <code>" or "<first> <last> [<code> ...]".
int repairLine(QByteArray &data, int begin, int end, const PdfTextMapRepair::Resolver &resolve)
{
    const int first = codeAt(data, begin);
    const int last = codeAt(data, begin + 7);
    if (first < 0 || last < 0 || begin + 14 >= end)
        return 0;
    int position = begin + 14;
    if (data.at(position) == '<') {
        // A range of more than one glyph maps to consecutive characters;
        // changing its start would shift all of them.
        return first == last && replaceCode(data, position, resolve) ? 1 : 0;
    }
    if (data.at(position) != '[')
        return 0;
    int changed = 0;
    for (++position; position < end; ++position) {
        if (data.at(position) == '<' && replaceCode(data, position, resolve))
            ++changed;
    }
    return changed;
}

} // namespace

int PdfTextMapRepair::repair(QByteArray &pdf, const Resolver &intended)
{
    int changed = 0;
    int from = 0;
    while ((from = pdf.indexOf(mapStart, from)) >= 0) {
        const int block = pdf.indexOf(rangeStart, from);
        const int mapEnd = pdf.indexOf(QByteArrayLiteral("endcmap"), from);
        if (block < 0 || mapEnd < 0)
            break;
        int line = pdf.indexOf('\n', block) + 1;
        while (line > 0 && line < mapEnd) {
            const int lineEnd = pdf.indexOf('\n', line);
            if (lineEnd < 0)
                break;
            if (!pdf.mid(line, rangeEnd.size()).startsWith(rangeEnd) &&
                !pdf.mid(line, lineEnd - line).endsWith(rangeStart))
                changed += repairLine(pdf, line, lineEnd, intended);
            line = lineEnd + 1;
        }
        from = mapEnd;
    }
    return changed;
}

bool PdfTextMapRepair::repairFile(const QString &path, const Resolver &intended)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    QByteArray pdf = file.readAll();
    if (repair(pdf, intended) == 0)
        return true;
    return file.seek(0) && file.write(pdf) == pdf.size() && file.flush();
}
