#include "CsvLineFormat.h"

#include "csv/CsvReader.h"

namespace {

constexpr ushort ByteOrderMark = 0xFEFF;

// The characters that make a value need quotes all lie at or below ','.
inline bool isSpecial(ushort u)
{
    return u <= ',' && (u == ',' || u == '"' || u == '\n' || u == '\r');
}

} // namespace

CsvLineFormat::CsvLineFormat(const QString &lineEnd, OutputEncoding::Kind encoding)
    : lineEnd_(lineEnd), convertLineFeeds_(lineEnd != QLatin1String("\n")), encoder_(encoding)
{}

void CsvLineFormat::appendText(QString &text, const QChar *begin, const QChar *end,
                               const QChar *valueBegin) const
{
    if (!convertLineFeeds_) {
        text.append(begin, int(end - begin));
        return;
    }
    for (const QChar *p = begin; p < end; ++p) {
        // A line feed after a carriage return already ends its line as it is.
        if (*p == QLatin1Char('\n') && (p == valueBegin || p[-1] != QLatin1Char('\r')))
            text += lineEnd_;
        else
            text += *p;
    }
}

void CsvLineFormat::appendValue(QString &text, QStringView value, int edges) const
{
    const QChar *begin = value.data();
    const QChar *end = begin + value.size();
    const QChar *p = begin;
    while (p < end && !isSpecial(p->unicode()))
        ++p;
    bool quote = p < end;
    if (!quote && begin < end) {
        // White space the reader would trim, or a mark it would take for the
        // file's own, stays only inside quotes.
        quote = ((edges & FrontTrimmed) && begin->isSpace()) ||
                ((edges & BackTrimmed) && end[-1].isSpace()) ||
                ((edges & FileStart) && begin->unicode() == ByteOrderMark);
    }
    if (!quote) {
        text.append(begin, int(end - begin));
        return;
    }
    // Already one quoted field, such as a rule may make: it reads back as
    // the text between the quotes.
    if (CsvReader::isQuotedField(value)) {
        appendText(text, begin, end, begin);
        return;
    }
    text += QLatin1Char('"');
    const QChar *run = begin;
    for (p = begin; p < end; ++p) {
        if (*p == QLatin1Char('"')) {
            appendText(text, run, p + 1, begin); // the quote, then its double below
            run = p;
        }
    }
    appendText(text, run, end, begin);
    text += QLatin1Char('"');
}
