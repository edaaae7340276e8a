#pragma once

#include <QString>

// Writes text to the standard streams as UTF-8, whatever the locale, and
// byte for byte: a "\n" stays one line feed on every platform.
void writeStandardOutput(const QString &text);
void writeStandardError(const QString &text);

// While one exists, what the commands write is kept here instead of reaching
// the process's streams: the commands can then run inside another program.
class ConsoleCapture
{
public:
    ConsoleCapture();
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    QString output() const { return output_; }
    QString error() const { return error_; }

private:
    friend void writeStandardOutput(const QString &text);
    friend void writeStandardError(const QString &text);

    ConsoleCapture *previous_;
    QString output_;
    QString error_;
};
