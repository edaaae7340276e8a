#pragma once

#include "settings/ConvertSettingStore.h"

// A model's part of a setting through the settings file, the rest of the
// stored setting kept as it was.
template <typename Model> void saveModel(const Model &model, const QString &name)
{
    ConvertSetting setting = ConvertSettingStore::load(name);
    setting.name = name;
    model.save(setting);
    ConvertSettingStore::save(setting);
}

inline ConvertSetting stored(const QString &name)
{
    return ConvertSettingStore::load(name);
}
