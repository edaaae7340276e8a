#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include "csv/OutputEncoding.h"
#include "engine/ConversionReporter.h"
#include "engine/ConversionRun.h"

#include <QIODevice>

#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool standardErrorIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

// Status texts on stderr when asked for, notices always, a progress bar when
// stderr is a terminal, and the run's error kept for the end.
class ConsoleReporter : public ConversionReporter
{
public:
    ConsoleReporter(bool verbose, bool terminal) : verbose_(verbose), terminal_(terminal) {}

    void showStatus(const QString &text) override
    {
        if (!verbose_)
            return;
        clearBar();
        writeStandardError(text + QLatin1Char('\n'));
        drawBar();
    }
    void showError(const QString &text) override { error_ = text; }
    void showNotice(const QString &text) override
    {
        clearBar();
        writeStandardError(text + QLatin1Char('\n'));
        drawBar();
    }
    void setProgressRange(int minimum, int maximum) override
    {
        minimum_ = minimum;
        maximum_ = maximum;
        update();
    }
    void setProgressValue(int value) override
    {
        value_ = value;
        update();
    }
    void showProgress() override
    {
        shown_ = terminal_;
        drawn_ = -1;
        update();
    }

    void finish() { clearBar(); }
    QString error() const { return error_; }

private:
    static constexpr int Width = 40;

    int percent() const
    {
        const qint64 span = qint64(maximum_) - minimum_;
        if (span <= 0)
            return 100;
        return int(qBound<qint64>(0, (qint64(value_) - minimum_) * 100 / span, 100));
    }
    // Redrawn only when the shown percentage changes: a run reports every row.
    void update()
    {
        if (shown_ && percent() != drawn_)
            drawBar();
    }
    void drawBar()
    {
        if (!shown_)
            return;
        drawn_ = percent();
        const int filled = drawn_ * Width / 100;
        writeStandardError(
            QStringLiteral("\r[%1%2] %3%")
                .arg(QString(filled, QLatin1Char('#')), QString(Width - filled, QLatin1Char('.')))
                .arg(drawn_, 3));
    }
    void clearBar()
    {
        if (shown_)
            writeStandardError(QLatin1Char('\r') + QString(Width + 8, QLatin1Char(' ')) +
                               QLatin1Char('\r'));
    }

    const bool verbose_;
    const bool terminal_;
    bool shown_ = false;
    int minimum_ = 0;
    int maximum_ = 0;
    int value_ = 0;
    int drawn_ = -1;
    QString error_;
};

struct ConvertArguments
{
    QString setting;
    QString output;
    QString encoding;
    QStringList inputs;
    bool verbose = false;
    bool hasSetting = false;
    bool hasOutput = false;
    bool hasEncoding = false;
};

// False when the arguments do not fit the command.
bool parseArguments(const QStringList &arguments, ConvertArguments &parsed)
{
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            parsed.inputs.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--verbose")) {
            parsed.verbose = true;
        } else if (argument == QLatin1String("--setting") ||
                   argument == QLatin1String("--output") ||
                   argument == QLatin1String("--encoding")) {
            if (i + 1 >= arguments.size())
                return false;
            const bool setting = argument == QLatin1String("--setting");
            const bool output = argument == QLatin1String("--output");
            QString &target = setting ? parsed.setting : output ? parsed.output : parsed.encoding;
            bool &given = setting  ? parsed.hasSetting
                          : output ? parsed.hasOutput
                                   : parsed.hasEncoding;
            if (given)
                return false;
            target = arguments.at(++i);
            given = true;
        } else {
            return false;
        }
    }
    return parsed.hasSetting && parsed.hasOutput && !parsed.inputs.isEmpty();
}

} // namespace

// rowsmith-cli convert --setting NAME --output FILE|- [--encoding NAME] [--verbose] INPUT...
int runConvertCommand(const QStringList &arguments)
{
    ConvertArguments parsed;
    if (!parseArguments(arguments, parsed))
        return usageError();
    OutputEncoding::Kind encoding = OutputEncoding::System;
    if (parsed.hasEncoding && !OutputEncoding::fromName(parsed.encoding, &encoding)) {
        QStringList names;
        for (const OutputEncoding::Kind kind : OutputEncoding::kinds())
            names.append(OutputEncoding::commandLineName(kind));
        writeStandardError(QStringLiteral("Unknown encoding '%1': use one of %2.\n")
                               .arg(parsed.encoding, names.join(QStringLiteral(", "))));
        return ExitUsage;
    }

    ConsoleReporter reporter(parsed.verbose, standardErrorIsTerminal());
    // The program ends right after the command: the run's rows go with the
    // process instead of being freed one string at a time, which would cost a
    // large run a good part of its time. The run stays reachable, so a leak
    // checker does not count it, and a second command in one process frees
    // the first one's.
    static ConversionRun *lastRun = nullptr;
    delete lastRun;
    lastRun = new ConversionRun;
    if (parsed.hasEncoding)
        lastRun->setOutputEncoding(encoding);
    // "-" sends the CSV to standard output, and the written paths are not listed.
    const bool toStandardOutput = parsed.output == QLatin1String("-");
    std::unique_ptr<QIODevice> standardOutput;
    if (toStandardOutput) {
        standardOutput = openStandardOutput();
        lastRun->setOutputDevice(standardOutput.get());
    }
    const ConversionRun::Result result =
        lastRun->convert(parsed.inputs, parsed.output, parsed.setting, reporter);
    reporter.finish();
    if (!result.succeeded) {
        writeStandardError(reporter.error() + QLatin1Char('\n'));
        return 1;
    }
    if (toStandardOutput)
        return 0;
    QString written = result.outputFile + QLatin1Char('\n');
    if (result.statementWritten)
        written += result.statementFile + QLatin1Char('\n');
    writeStandardOutput(written);
    return 0;
}
