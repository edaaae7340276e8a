#pragma once

#include "settings/InputForm.h"
#include "settings/OutputItem.h"
#include "settings/StatementField.h"
#include "settings/StatementOptions.h"

#include <QList>
#include <QString>
#include <QStringList>

// A named convert setting as a whole: SettingInfo/{name}.
struct ConvertSetting
{
    QString name;
    StatementOptions statement;
    QStringList heads; // combined input header
    QStringList ex1;
    QStringList ex2;
    QList<InputForm> forms;
    QList<OutputItem> outputItems;
    QList<StatementField> statementFields; // always 19 after a load
    // The output file's encoding by name; empty for the system's codec.
    QString outputEncoding;
    // Characters the encoding cannot hold are written as 〓 instead of
    // stopping the run.
    bool replaceUnencodable = false;

    bool operator==(const ConvertSetting &other) const
    {
        return name == other.name && statement == other.statement && heads == other.heads &&
               ex1 == other.ex1 && ex2 == other.ex2 && forms == other.forms &&
               outputItems == other.outputItems && statementFields == other.statementFields &&
               outputEncoding == other.outputEncoding &&
               replaceUnencodable == other.replaceUnencodable;
    }
    bool operator!=(const ConvertSetting &other) const { return !(*this == other); }
};
