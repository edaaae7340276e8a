#pragma once

#include <QString>
#include <QStringList>
#include <QTextCodec>
#include <memory>

class QFileDevice;
class QIODevice;
class QSaveFile;

// Writes the output CSV file. Text is encoded with the locale codec, without a
// byte-order mark; lines end with the platform's line end, and so does every
// bare line feed inside a value. A value is quoted when it holds ",", a double
// quote, CR or LF, or when white space at the start or end of its line would be
// lost on reading, unless it already is one well-formed quoted field. Header
// names follow the same rule.
class CsvWriter
{
public:
    // A regular file, or a new one, is replaced only once the whole new file
    // has been written, and keeps the old one's permissions. An existing FIFO
    // or character device is written directly; any other existing target that
    // is not a regular file is refused by open().
    explicit CsvWriter(const QString &path);
    // Writes to a device already open for writing, such as standard output.
    explicit CsvWriter(QIODevice *device);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    static QString platformLineEnd();
    // For tests of the other platform's line end.
    void setLineEnd(const QString &lineEnd);

    bool open();
    // No items, no line.
    void writeHeader(const QStringList &names);
    void writeRow(const QStringList &values);
    // Writes what is left and, for a regular file, replaces the target; false
    // on any failure on the way, a regular target then being left as it was.
    bool commit();
    // Drops the new file; a regular target stays as it was.
    void cancel();
    QString errorString() const;

private:
    // What reading would trim off a value at its place in the line: white
    // space at its front or back, a byte-order mark at the start of the file.
    enum Edge
    {
        Inside = 0,
        FrontTrimmed = 1,
        BackTrimmed = 2,
        FileStart = 4
    };

    void writeLine(const QStringList &values, int firstEdges, int lastEdges);
    void appendValue(const QString &value, int edges);
    // Appends text, every bare line feed in it becoming the line end;
    // valueBegin: where the value the text belongs to begins.
    void appendText(const QChar *begin, const QChar *end, const QChar *valueBegin);
    void endLine();
    void flush();
    void startWriteback();

    const QString path_;
    std::unique_ptr<QFileDevice> file_; // owned: the save file or the direct one
    QSaveFile *saveFile_ = nullptr;     // file_, when it replaces the target
    QIODevice *device_ = nullptr;       // where the bytes go
    std::unique_ptr<QTextEncoder> encoder_;
    QString buffer_;
    QString lineEnd_;
    bool convertLineFeeds_ = false; // the line end is not a plain LF
    bool failed_ = false;
    qint64 writebackStart_ = 0;
    QString error_; // the system's text of the first failure
};
