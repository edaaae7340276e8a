#include "cli/ConsoleOutput.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

ConsoleCapture *capture = nullptr;

void writeUtf8(std::FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    // Text mode would turn every LF into CR LF.
    _setmode(_fileno(stream), _O_BINARY);
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeStandardOutput(const QString &text)
{
    if (capture)
        capture->output_ += text.toUtf8();
    else
        writeUtf8(stdout, text);
}

void writeStandardError(const QString &text)
{
    if (capture)
        capture->error_ += text.toUtf8();
    else
        writeUtf8(stderr, text);
}

std::unique_ptr<QIODevice> openStandardOutput()
{
    if (capture) {
        auto buffer = std::make_unique<QBuffer>(&capture->output_);
        buffer->open(QIODevice::WriteOnly | QIODevice::Append);
        return buffer;
    }
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fflush(stdout);
    auto file = std::make_unique<QFile>();
    file->open(stdout, QIODevice::WriteOnly);
    return file;
}

ConsoleCapture::ConsoleCapture() : previous_(capture)
{
    capture = this;
}

ConsoleCapture::~ConsoleCapture()
{
    capture = previous_;
}
