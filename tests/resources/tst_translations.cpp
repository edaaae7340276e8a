#include "support/ProcessRunner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>

namespace {

// What a translation must keep of its source: the numbered arguments and the
// line breaks, in number.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%L?\\d+"));
    QStringList found;
    auto matches = argument.globalMatch(text);
    while (matches.hasNext())
        found.append(matches.next().captured());
    found.sort();
    found.append(QString(text.count(QLatin1Char('\n')), QLatin1Char('\n')));
    return found;
}

bool isKorean(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0xAC00 && u <= 0xD7A3) || (u >= 0x1100 && u <= 0x11FF) ||
            (u >= 0x3130 && u <= 0x318F))
            return true;
    }
    return false;
}

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool finished = false;
    QStringList translations; // one, or the numerus forms
};

QList<Message> readMessages(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
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
            Message message;
            message.context = context;
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.append(message);
        } else if (messages.isEmpty()) {
            continue;
        } else if (name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            if (!messages.last().numerus)
                messages.last().translations.append(xml.readElementText());
        } else if (name == QLatin1String("numerusform")) {
            messages.last().translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

} // namespace

// The translations as the code stands now: lupdate merges the current texts
// into a copy of each .ts file, and every text must come out translated,
// keeping its placeholders. A new text without translations fails here.
class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextTranslated_data();
    void everyTextTranslated();
};

void TranslationsTest::everyTextTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sources");
    QTest::addColumn<bool>("koreanSourcesToo");

    // Korean is the source language of the forms: only the English texts
    // (run messages, statement labels, message boxes) need a Korean entry.
    QTest::newRow("main program, Japanese") << "lang_jp.ts"
                                            << "rowsmith.lst" << true;
    QTest::newRow("main program, Korean") << "lang_kr.ts"
                                          << "rowsmith.lst" << false;
    QTest::newRow("updater, Japanese") << "lang_updater_jp.ts"
                                       << "updater.lst" << true;
    QTest::newRow("updater, Korean") << "lang_updater_kr.ts"
                                     << "updater.lst" << false;
}

void TranslationsTest::everyTextTranslated()
{
    QFETCH(QString, file);
    QFETCH(QString, sources);
    QFETCH(bool, koreanSourcesToo);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(file);
    QVERIFY(QFile::copy(QStringLiteral(TEST_SOURCE_DIR "/resources/") + file, copy));
    QVERIFY(QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    const ProcessResult lupdate =
        runProcess(QStringLiteral(TEST_LUPDATE),
                   {"-no-obsolete", "-locations", "none", "-source-language", "ko_KR", "-silent",
                    QStringLiteral("@" TEST_BUILD_DIR "/translations/") + sources, "-ts", copy});
    QVERIFY2(lupdate.exitCode == 0, lupdate.err.constData());

    QString error;
    const QList<Message> messages = readMessages(copy, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());

    QStringList problems;
    for (const Message &m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        const bool translated = m.finished && !m.translations.isEmpty() &&
                                std::none_of(m.translations.cbegin(), m.translations.cend(),
                                             [](const QString &text) { return text.isEmpty(); });
        if (!translated) {
            if (koreanSourcesToo || !isKorean(m.source))
                problems << QStringLiteral("not translated: ") + where;
            continue;
        }
        for (const QString &translation : m.translations) {
            if (placeholders(translation) != placeholders(m.source))
                problems << QStringLiteral("placeholders differ: ") + where +
                                QStringLiteral(" -> \"") + translation + QLatin1Char('"');
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
