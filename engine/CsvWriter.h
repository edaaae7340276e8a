#pragma once

#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTextCodec>
#include <memory>

// Writes the output CSV file through a QSaveFile, so that an existing file is
// replaced only once the whole new file has been written. Text is encoded with
// the locale codec, without a byte-order mark; lines end with the platform's
// line end, and so does every line feed inside a value.
class CsvWriter
{
public:
    explicit CsvWriter(const QString &path);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    static QString platformLineEnd();
    // For tests of the other platform's line end.
    void setLineEnd(const QString &lineEnd);

    bool open();
    // The header: names as they stand, nothing quoted. No items, no line.
    void writeHeader(const QStringList &names);
    void writeRow(const QStringList &values);
    // Writes what is left and replaces the target file; false on any failure
    // on the way, the target file then being left as it was.
    bool commit();
    // Drops the new file; the target file stays as it was.
    void cancel();
    QString errorString() const;

    // A value holding ",", a double quote, CR or LF is wrapped in double quotes
    // with its inner quotes doubled, unless it already begins and ends with a
    // double quote.
    static QString quoted(const QString &value);
    static bool needsQuotes(const QString &value);
    static bool alreadyQuoted(const QString &value);

private:
    void appendValue(const QString &value);
    // Appends text, every line feed in it becoming the line end.
    void appendText(const QChar *begin, const QChar *end);
    void endLine();
    void flush();
    void startWriteback();

    QSaveFile file_;
    std::unique_ptr<QTextEncoder> encoder_;
    QString buffer_;
    QString lineEnd_;
    bool convertLineFeeds_ = false; // the line end is not a plain LF
    bool failed_ = false;
    qint64 writebackStart_ = 0;
    QString error_; // the system's text of the first failure
};
