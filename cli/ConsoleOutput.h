#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

// Writes text to the standard streams as UTF-8, whatever the locale, and
// byte for byte: a "\n" stays one line feed on every platform.
void writeStandardOutput(const QString &text);
void writeStandardError(const QString &text);
// Standard output as a device open for writing raw bytes.
std::unique_ptr<QIODevice> openStandardOutput();

// While one exists, what the commands write is kept here instead of reaching
// the process's streams: the commands can then run inside another program.
class ConsoleCapture
{
public:
    ConsoleCapture();
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    QByteArray output() const { return output_; }
    QByteArray error() const { return error_; }

private:
    friend void writeStandardOutput(const QString &text);
    friend void writeStandardError(const QString &text);
    friend std::unique_ptr<QIODevice> openStandardOutput();

    ConsoleCapture *previous_;
    QByteArray output_;
    QByteArray error_;
};
