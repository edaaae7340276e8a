#pragma once

#include "settings/SourceKind.h"

#include <QList>
#include <QString>
#include <QStringList>

// One column of the output file, as stored under SettingInfo/{name}/output/{i}.
struct OutputItem
{
    QString name;
    QList<SourceKind> mapSources; // per source value
    QList<int> mapNums;           // source code per source value
    QStringList mappings;         // display text per source value
    QString separator;
    QList<SourceKind> condSources;
    QList<int> condNums;
    QStringList conditions;
    QStringList condRules;
    QString condCombination; // "AND", "OR", or empty
    QStringList rules;
    QStringList afterRules;
    QString distinct = QStringLiteral("NO"); // "YES" marks a duplication key
    QString merge;                           // "NO", "STRING", "NUMBER", or empty
    QString mergeSeparator;

    // The meaning of the stored flags, in one place for the models and the run.
    bool isDistinctKey() const { return distinct == QLatin1String("YES"); }
    bool mergesStrings() const { return merge == QLatin1String("STRING"); }
    bool mergesNumbers() const { return merge == QLatin1String("NUMBER"); }
    bool merges() const { return mergesStrings() || mergesNumbers(); }

    bool operator==(const OutputItem &other) const;
    bool operator!=(const OutputItem &other) const { return !(*this == other); }
};
