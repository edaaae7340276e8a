#pragma once

#include "settings/ConvertSetting.h"

#include <QStringList>

// Reading and writing convert settings in the settings file, each as one
// whole value; every operation opens its own Settings object.
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
    // Whether a setting is stored under name, or under a name the settings
    // file takes for the same group.
    static bool contains(const QString &name);
    static bool sameName(const QString &a, const QString &b);

    // Writes PdfSetting, input, output, the output file's encoding options and
    // the 19 field groups, in that order.
    // Refuses (false, nothing written) an invalid name, and a settings file
    // that cannot be read whole (SettingsFileCheck); so do rename and remove.
    static bool save(const ConvertSetting &setting);
    static ConvertSetting load(const QString &name, Defaults defaults = Defaults::Editor);
    // Saves the setting under its (new) name, then removes the old group unless
    // the settings file takes both names for one group.
    static bool rename(const ConvertSetting &setting, const QString &oldName);
    // Removes SettingInfo/{name} with its whole subtree.
    static bool remove(const QString &name);

    // Integer lists are stored as lists of decimal strings; a non-number reads as 0.
    static QStringList toStringList(const QList<int> &numbers);
    static QList<int> toIntList(const QStringList &strings);
};
