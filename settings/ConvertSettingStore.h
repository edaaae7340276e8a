#pragma once

#include "settings/ConvertSetting.h"

#include <QSettings>

// Reading and writing convert settings in the settings file. Every group
// writer enters SettingInfo/{name}/<its group> and leaves all groups it entered,
// so each can be called on any open store; the whole-setting operations open
// their own Settings object.
class ConvertSettingStore
{
public:
    // The print flags of PdfSetting default to true in the editor and to false in a run.
    enum class Defaults
    {
        Editor,
        Run
    };

    // The child groups of SettingInfo, in store order.
    static QStringList settingNames();
    // A name the store can keep as one group: not empty, no "/" and no "\".
    static bool isValidName(const QString &name);

    // Writes PdfSetting, input, output and the 19 field groups, in that order.
    // Refuses (false, nothing written) an invalid name.
    static bool save(const ConvertSetting &setting);
    static ConvertSetting load(const QString &name, Defaults defaults = Defaults::Editor);
    // Saves the setting under its (new) name, then removes the old group.
    static bool rename(const ConvertSetting &setting, const QString &oldName);
    // Removes SettingInfo/{name} with its whole subtree.
    static bool remove(const QString &name);

    static void writeStatementOptions(QSettings &store, const QString &name,
                                      const StatementOptions &options);
    static StatementOptions readStatementOptions(QSettings &store, const QString &name,
                                                 Defaults defaults);
    static void writeInput(QSettings &store, const QString &name, const QStringList &heads,
                           const QStringList &ex1, const QStringList &ex2,
                           const QList<InputForm> &forms);
    static QList<InputForm> readInputForms(QSettings &store, const QString &name);
    // heads, ex1 and ex2 of the input group.
    static QList<QStringList> readInputRows(QSettings &store, const QString &name);
    static void writeOutputItems(QSettings &store, const QString &name,
                                 const QList<OutputItem> &items);
    static QList<OutputItem> readOutputItems(QSettings &store, const QString &name);
    static void writeStatementFields(QSettings &store, const QString &name,
                                     const QList<StatementField> &fields);
    static QList<StatementField> readStatementFields(QSettings &store, const QString &name);

    // Integer lists are stored as lists of decimal strings; a non-number reads as 0.
    static QStringList toStringList(const QList<int> &numbers);
    static QList<int> toIntList(const QStringList &strings);
};
