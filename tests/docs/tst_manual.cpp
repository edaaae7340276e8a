#include "support/ProcessRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString SourceFolder = QStringLiteral(TEST_SOURCE_DIR "/docs/manual");
const QString BuiltFolder = QStringLiteral(TEST_BUILD_DIR "/manual");
const QString CompiledHelp = QStringLiteral(TEST_BUILD_DIR "/rowsmith.chm");

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList found;
    auto matches = QRegularExpression(pattern).globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured(1);
    return found;
}

// The pages in the order of the table of contents.
QStringList contents()
{
    return captures(readText(SourceFolder + QStringLiteral("/toc.hhc")),
                    QStringLiteral("name=\"Local\" value=\"([^\"]+)\""));
}

// The files that chmls lists in the compiled help, without the leading "/".
QStringList compiledFiles()
{
    const ProcessResult listing =
        runProcess(QStringLiteral(TEST_CHMLS), {QStringLiteral("list"), CompiledHelp});
    return captures(QString::fromUtf8(listing.out), QStringLiteral("(?m)\\s/([^#$:\\s][^\\s]*)$"));
}

// The functions that put a text in front of the user as an error, a warning or
// a question: the desktop's and the dialogs' message boxes, a run's error and
// the updater's failure line. Their (parent, title, text) boxes take a title
// too, which is not a message.
const QStringList MessageFunctions{"warn",    "warning",   "critical",   "question",
                                   "confirm", "showError", "failUpdate", "showVersionFailure"};

// Texts the page explains that no message box shows: the status line after an
// error, and the updater's answer when nothing is to be done.
const QList<QPair<QString, QString>> StatusTexts{
    {"MainWindow", "An error has occurred"},
    {"UpdateDialog", "You are using latest version of Rowsmith."}};

// A C++ source with its comments and the insides of its string and character
// literals blanked out, position for position: brackets, commas and
// semicolons left are the code's own.
QString codeOnly(const QString &text)
{
    enum class In
    {
        Code,
        Line,
        Block,
        String,
        Char
    };
    QString code = text;
    In state = In::Code;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        switch (state) {
        case In::Code:
            if (c == QLatin1Char('/') && next == QLatin1Char('/'))
                state = In::Line;
            else if (c == QLatin1Char('/') && next == QLatin1Char('*'))
                state = In::Block;
            else if (c == QLatin1Char('"'))
                state = In::String;
            else if (c == QLatin1Char('\''))
                state = In::Char;
            if (state == In::Line || state == In::Block)
                code[i] = QLatin1Char(' ');
            continue;
        case In::Line:
            if (c == QLatin1Char('\n'))
                state = In::Code;
            break;
        case In::Block:
            if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
                code[i] = code[i + 1] = QLatin1Char(' ');
                ++i;
                state = In::Code;
                continue;
            }
            break;
        case In::String:
        case In::Char:
            if (c == QLatin1Char('\\')) {
                code[i] = code[i + 1] = QLatin1Char(' ');
                ++i;
                continue;
            }
            if (c == QLatin1Char(state == In::String ? '"' : '\'')) {
                state = In::Code;
                continue;
            }
            break;
        }
        if (c != QLatin1Char('\n'))
            code[i] = QLatin1Char(' ');
    }
    return code;
}

// Where the bracket opened at `open` closes; -1 when it does not.
int closingBracket(const QString &code, int open)
{
    int depth = 0;
    for (int i = open; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{'))
            ++depth;
        else if ((c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) &&
                 --depth == 0)
            return i;
    }
    return -1;
}

struct Call
{
    int open = 0;
    int close = 0;
    QList<int> commas; // between the arguments
};

// The calls of message functions in code[from, to).
QList<Call> messageCalls(const QString &code, int from, int to)
{
    static const QRegularExpression call(
        QStringLiteral("\\b(%1)\\s*\\(").arg(MessageFunctions.join(QLatin1Char('|'))));
    QList<Call> calls;
    auto matches = call.globalMatch(code.mid(from, to - from));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        Call c;
        c.open = from + match.capturedEnd() - 1;
        c.close = closingBracket(code, c.open);
        if (c.close < 0)
            continue;
        for (int i = c.open + 1, depth = 0; i < c.close; ++i) {
            const QChar ch = code.at(i);
            if (ch == QLatin1Char('(') || ch == QLatin1Char('[') || ch == QLatin1Char('{'))
                ++depth;
            else if (ch == QLatin1Char(')') || ch == QLatin1Char(']') || ch == QLatin1Char('}'))
                --depth;
            else if (ch == QLatin1Char(',') && depth == 0)
                c.commas << i;
        }
        calls << c;
    }
    return calls;
}

struct Source
{
    QString text;
    QString code;
};

// The function around `at`: its body's braces, which stand in the first column
// as the code is formatted, and its name.
struct Function
{
    int begin = 0;
    int end = 0;
    QString name;
};

Function functionAround(const QString &code, int at)
{
    Function f;
    f.begin = code.lastIndexOf(QStringLiteral("\n{"), at);
    if (f.begin < 0)
        return {0, int(code.size()), QString()};
    f.end = code.indexOf(QStringLiteral("\n}"), at);
    if (f.end < 0)
        f.end = code.size();
    static const QRegularExpression headerStart(QStringLiteral("\\n(?=[^\\s{}#])"));
    const int header = code.lastIndexOf(headerStart, f.begin - 1);
    static const QRegularExpression name(QStringLiteral("(~?\\w+)\\s*\\("));
    f.name = name.match(code.mid(header, f.begin - header)).captured(1);
    return f;
}

enum class Use
{
    Other,
    Title,
    Message
};

// How the code at `at`, inside a string literal, uses its text: a message
// when a message function shows it, when it is kept as an error or reason
// (that a message quotes), when it goes in a variable that a message function
// shows, or when a function returns it whose result a message function shows.
Use useOf(const Source &source, int at, const QSet<QString> &messageMakers)
{
    const QString &code = source.code;
    int start = at;
    while (start > 0 && !QStringLiteral(";{}").contains(code.at(start - 1)))
        --start;
    int end = code.indexOf(QLatin1Char(';'), at);
    if (end < 0)
        end = code.size();

    for (const Call &call : messageCalls(code, start, end)) {
        if (at < call.open || at > call.close)
            continue;
        if (call.commas.size() == 2 && at > call.commas.at(0) && at < call.commas.at(1))
            return Use::Title;
        return Use::Message;
    }

    static const QRegularExpression assignment(QStringLiteral("(\\w+)\\s*\\+?=(?!=)"));
    const QRegularExpressionMatch assigned = assignment.match(code.mid(start, at - start));
    const Function function = functionAround(code, at);
    if (assigned.hasMatch()) {
        const QString target = assigned.captured(1);
        if (target.contains(QLatin1String("error"), Qt::CaseInsensitive) ||
            target.contains(QLatin1String("reason"), Qt::CaseInsensitive))
            return Use::Message;
        const QRegularExpression named(QStringLiteral("\\b%1\\b").arg(target));
        for (const Call &call : messageCalls(code, end, function.end)) {
            if (code.mid(call.open, call.close - call.open).contains(named))
                return Use::Message;
        }
    }
    static const QRegularExpression returned(QStringLiteral("\\breturn\\b"));
    if (code.mid(start, at - start).contains(returned) && messageMakers.contains(function.name))
        return Use::Message;
    return Use::Other;
}

// The names of the functions whose results message functions show.
QSet<QString> messageMakers(const QHash<QString, Source> &sources)
{
    static const QRegularExpression called(QStringLiteral("(\\w+)\\s*\\("));
    QSet<QString> names;
    for (const Source &source : sources) {
        for (const Call &call : messageCalls(source.code, 0, source.code.size())) {
            auto matches =
                called.globalMatch(source.code.mid(call.open + 1, call.close - call.open - 1));
            while (matches.hasNext())
                names << matches.next().captured(1);
        }
    }
    return names;
}

struct Message
{
    QString context;
    QString source;
    QString translation; // empty while unfinished
    QList<QPair<QString, int>> locations;
};

// The messages of a .ts file that lupdate has refreshed with absolute
// locations; file names as absolute paths.
QList<Message> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QDir folder = QFileInfo(path).dir();
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context, QString(), QString(), {}});
        } else if (messages.isEmpty()) {
            continue;
        } else if (name == QLatin1String("location")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            messages.last().locations.append(
                {QDir::cleanPath(folder.absoluteFilePath(
                     attributes.value(QLatin1String("filename")).toString())),
                 attributes.value(QLatin1String("line")).toInt()});
        } else if (name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            messages.last().translation = finished ? text : QString();
        }
    }
    return messages;
}

// Where the literal of `message` starts inside the quotes, in a call that
// starts on `line` of `text`: found by its first line as C++ writes it.
int literalAt(const QString &text, int line, const QString &message)
{
    int offset = 0;
    for (int n = 1; n < line && offset >= 0; ++n)
        offset = text.indexOf(QLatin1Char('\n'), offset) + 1;
    QString first = message.section(QLatin1Char('\n'), 0, 0);
    // A short text is found whole, not as the start of a longer one.
    const bool whole = first == message && first.size() <= 30;
    first = first.left(30);
    first.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    first.replace(QLatin1Char('"'), QLatin1String("\\\""));
    const QString literal = QLatin1Char('"') + first + (whole ? QStringLiteral("\"") : QString());
    const int at = text.indexOf(literal, offset);
    return at < 0 ? -1 : at + 1;
}

QString pageText(const QString &html)
{
    QString text = html;
    text.replace(QRegularExpression(QStringLiteral("<br\\s*/?>")), QStringLiteral("\n"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// A text as the page quotes it: the placeholders stand for any words on the
// line, line breaks and spaces for any spacing.
QRegularExpression quoted(const QString &text)
{
    QStringList parts;
    const QStringList fixed = text.split(QRegularExpression(QStringLiteral("%L?\\d+")));
    for (const QString &part : fixed) {
        QStringList words =
            part.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (QString &word : words)
            word = QRegularExpression::escape(word);
        parts << words.join(QStringLiteral("\\s*"));
    }
    return QRegularExpression(parts.join(QStringLiteral("\\s*.+?\\s*")));
}

} // namespace

class ManualTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pages_data();
    void pages();
    void everyMessageExplained_data();
    void everyMessageExplained();
};

void ManualTest::pages_data()
{
    QTest::addColumn<QString>("page");
    const QStringList pages = contents();
    QVERIFY(pages.size() >= 7);
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << page;
}

// Each page of the contents is delivered in manual/ and in rowsmith.chm, and
// every link and picture on it leads somewhere.
void ManualTest::pages()
{
    QFETCH(QString, page);

    const QString html = readText(BuiltFolder + QLatin1Char('/') + page);
    QVERIFY2(!html.isEmpty(), qPrintable(page + QStringLiteral(" is not in manual/")));
    const QStringList targets = captures(html, QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString &target : targets) {
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        const QString anchor = target.section(QLatin1Char('#'), 1);
        const QString path = BuiltFolder + QLatin1Char('/') + (file.isEmpty() ? page : file);
        QVERIFY2(QFileInfo::exists(path), qPrintable(target));
        if (!anchor.isEmpty())
            QVERIFY2(readText(path).contains(QStringLiteral("id=\"%1\"").arg(anchor)),
                     qPrintable(target));
    }

    if (!QFileInfo::exists(QStringLiteral(TEST_CHMLS)))
        QSKIP("chmls is missing (package fp-utils)");
    const QStringList compiled = compiledFiles();
    QVERIFY2(compiled.contains(page), qPrintable(compiled.join(QLatin1Char(' '))));
    for (const QString &target : targets) {
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        if (!file.isEmpty())
            QVERIFY2(compiled.contains(file), qPrintable(file + QStringLiteral(" not compiled")));
    }
}

void ManualTest::everyMessageExplained_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("where");

    const QList<QPair<QString, QString>> programs{{"lang_jp.ts", "rowsmith.lst"},
                                                  {"lang_updater_jp.ts", "updater.lst"}};
    for (const auto &[translation, list] : programs) {
        // lupdate finds every text and where the code uses it; the code
        // around each place tells the messages.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath(translation);
        QVERIFY(QFile::copy(QStringLiteral(TEST_SOURCE_DIR "/resources/") + translation, copy));
        QVERIFY(QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        const QString files = QStringLiteral(TEST_BUILD_DIR "/translations/") + list;
        const ProcessResult lupdate =
            runProcess(QStringLiteral(TEST_LUPDATE),
                       {"-no-obsolete", "-locations", "absolute", "-source-language", "ko_KR",
                        "-silent", QLatin1Char('@') + files, "-ts", copy});
        QVERIFY2(lupdate.exitCode == 0, lupdate.err.constData());

        QHash<QString, Source> sources;
        const QStringList paths = readText(files).split(QLatin1Char('\n'));
        for (const QString &path : paths) {
            if (path.endsWith(QLatin1String(".cpp")) || path.endsWith(QLatin1String(".h"))) {
                const QString text = readText(path);
                sources.insert(QDir::cleanPath(path), {text, codeOnly(text)});
            }
        }
        const QSet<QString> makers = messageMakers(sources);

        int found = 0;
        const QList<Message> messages = readMessages(copy);
        for (const Message &message : messages) {
            QString where;
            for (const auto &[path, line] : message.locations) {
                const auto source = sources.constFind(path);
                if (source == sources.cend())
                    continue;
                const int at = literalAt(source->text, line, message.source);
                if (at >= 0 && useOf(*source, at, makers) == Use::Message) {
                    where = QStringLiteral("%1:%2").arg(QFileInfo(path).fileName()).arg(line);
                    ++found;
                    break;
                }
            }
            if (where.isEmpty() && StatusTexts.contains({message.context, message.source}))
                where = message.context;
            if (where.isEmpty())
                continue;
            QTest::newRow(qPrintable(message.context + QStringLiteral(": ") +
                                     message.source.section(QLatin1Char('\n'), 0, 0)))
                << message.translation << where;
        }
        QVERIFY2(found > 0, qPrintable(list));
    }
}

// The error page quotes every message that the programs show when something
// fails or must be confirmed, as the Japanese programs show it: a new message,
// or a changed translation, must change the page too.
void ManualTest::everyMessageExplained()
{
    QFETCH(QString, shown);
    QFETCH(QString, where);

    QVERIFY2(!shown.isEmpty(), qPrintable(where + QStringLiteral(": not translated")));
    static const QString page = pageText(readText(SourceFolder + QStringLiteral("/errors.html")));
    QVERIFY2(page.contains(quoted(shown)),
             qPrintable(where + QStringLiteral(": not on errors.html: ") + shown));
}

QTEST_GUILESS_MAIN(ManualTest)
#include "tst_manual.moc"
