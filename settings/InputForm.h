#pragma once

#include <QString>
#include <QStringList>

// The layout of one input file that a setting expects.
struct InputForm
{
    QString name;
    QStringList heads;
    int targetKey = -1; // column of the combined header before this form; -1 for the first
    int key = -1;       // column of this form's own heads; -1 for the first

    bool operator==(const InputForm &other) const
    {
        return name == other.name && heads == other.heads && targetKey == other.targetKey &&
               key == other.key;
    }
};
