#include "settings/CompanyInfo.h"

#include "settings/Settings.h"
#include "settings/SettingsFileCheck.h"

namespace {
const QString groupName = QStringLiteral("CompanyInfo");
}

QStringList CompanyInfo::keys()
{
    static const QStringList list{QStringLiteral("name"),      QStringLiteral("storeName"),
                                  QStringLiteral("storeSite"), QStringLiteral("postCode"),
                                  QStringLiteral("address"),   QStringLiteral("tel"),
                                  QStringLiteral("fax"),       QStringLiteral("email")};
    return list;
}

CompanyInfo CompanyInfo::read()
{
    CompanyInfo info;
    Settings store;
    store.beginGroup(groupName);
    const QStringList names = keys();
    for (int code = 0; code < FieldCount; ++code)
        info.values_[code] = store.value(names.at(code)).toString();
    store.endGroup();
    return info;
}

bool CompanyInfo::write() const
{
    // A save writes back the whole file: one the store could not read whole
    // would lose what it did not read.
    if (!SettingsFileCheck::now().isReadable())
        return false;
    Settings store;
    store.beginGroup(groupName);
    const QStringList names = keys();
    for (int code = 0; code < FieldCount; ++code)
        store.setValue(names.at(code), values_[code]);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QString CompanyInfo::value(int code) const
{
    if (code < 0 || code >= FieldCount)
        return QString();
    return values_[code];
}

QStringView CompanyInfo::view(int code) const
{
    if (code < 0 || code >= FieldCount)
        return QStringView();
    return values_[code];
}

void CompanyInfo::setValue(int code, const QString &value)
{
    if (code < 0 || code >= FieldCount)
        return;
    values_[code] = value;
}

QString companyValue(int code)
{
    if (code < 0 || code >= CompanyInfo::FieldCount)
        return QString();
    Settings store;
    store.beginGroup(groupName);
    return store.value(CompanyInfo::keys().at(code)).toString();
}
