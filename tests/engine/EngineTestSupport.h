#pragma once

#include "csv/Cp932.h"
#include "csv/CsvWriter.h"
#include "engine/ConversionReporter.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSetting.h"
#include "settings/ConvertSettingStore.h"
#include "support/SourceKinds.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Records everything a run reports, in order.
class RecordingReporter : public ConversionReporter
{
public:
    void showStatus(const QString &text) override
    {
        statuses.append(text);
        events.append(QStringLiteral("status: ") + text);
    }
    void showError(const QString &text) override
    {
        errors.append(text);
        events.append(QStringLiteral("error: ") + text);
    }
    void setProgressRange(int minimum, int maximum) override
    {
        ranges.append(qMakePair(minimum, maximum));
    }
    void setProgressValue(int v) override
    {
        if (v < value)
            valueWentBack = true;
        value = v;
    }
    void showProgress() override { progressShown = true; }
    void showNotice(const QString &text) override
    {
        notices.append(text);
        events.append(QStringLiteral("notice: ") + text);
    }

    QStringList statuses;
    QStringList errors;
    QStringList notices;
    QStringList events;
    QList<QPair<int, int>> ranges;
    int value = 0;
    bool valueWentBack = false;
    bool progressShown = false;
};

namespace EngineTest {

inline QString dataPath(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/engine/") + name;
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The bytes the program writes on this platform for text spelt with "\n":
// each line feed not already after a carriage return ends its line as the
// platform does ("\r\n" on Windows).
inline QByteArray platformLines(const QByteArray &bytes)
{
    const QByteArray end = CsvWriter::platformLineEnd().toLatin1();
    if (end == "\n")
        return bytes;
    QByteArray result;
    result.reserve(bytes.size() + bytes.count('\n'));
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\n' && (i == 0 || bytes.at(i - 1) != '\r'))
            result += end;
        else
            result += bytes.at(i);
    }
    return result;
}

// Text as Windows writes it in Shift-JIS (CP932), by the program's own table:
// without ICU, Qt's Shift_JIS codec lacks 髙, ① and the like.
inline QByteArray shiftJis(const QString &text)
{
    QByteArray bytes;
    Cp932::instance().encode(text, bytes);
    return bytes;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// An output item fed from input columns (kind 1).
inline OutputItem inputItem(const QString &name, const QList<int> &columns,
                            const QString &separator = QString())
{
    OutputItem item;
    item.name = name;
    for (int column : columns) {
        item.mapSources.append(kind(1));
        item.mapNums.append(column);
        item.mappings.append(QStringLiteral("col%1").arg(column));
    }
    item.separator = separator;
    return item;
}

inline void addCondition(OutputItem &item, int kind, int code, const QString &condition)
{
    item.condSources.append(SourceKind(kind));
    item.condNums.append(code);
    item.conditions.append(QStringLiteral("cond%1").arg(code));
    item.condRules.append(condition);
}

inline ConvertSetting setting(const QString &name)
{
    ConvertSetting s;
    s.name = name;
    for (int i = 0; i < 19; ++i)
        s.statementFields.append(StatementField());
    return s;
}

inline InputForm firstForm(const QStringList &heads)
{
    InputForm form;
    form.name = QStringLiteral("first");
    form.heads = heads;
    return form;
}

inline InputForm joinedForm(const QStringList &heads, int targetKey, int key)
{
    InputForm form;
    form.name = QStringLiteral("joined");
    form.heads = heads;
    form.targetKey = targetKey;
    form.key = key;
    return form;
}

} // namespace EngineTest
