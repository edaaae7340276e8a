#include "settings/SettingsFileCheck.h"

#include "settings/Messages.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Whether the store parses bytes without a fault. The store keeps what it
// parsed of a file for the whole process and reports a fault only to the
// first reader, so a fresh copy under a new name is parsed instead; every
// section is read, for sections are parsed only when first asked for.
bool parsesWhole(const QByteArray &bytes)
{
    const QTemporaryDir dir;
    if (!dir.isValid())
        return true; // nothing to check with; the file opened, so it is used
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    QFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return true;
    file.close();
    const QSettings store(copy, QSettings::IniFormat);
    store.allKeys();
    return store.status() == QSettings::NoError;
}

} // namespace

SettingsFileCheck SettingsFileCheck::now()
{
    SettingsFileCheck check;
    check.path_ = Settings::filePath();
    QFile file(check.path_);
    if (!file.exists())
        return check;
    if (!file.open(QIODevice::ReadOnly)) {
        check.reason_ = file.errorString();
        return check;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        check.reason_ = file.errorString();
        return check;
    }
    if (!parsesWhole(bytes))
        check.reason_ = Messages::tr("Some of its lines cannot be read as settings.");
    return check;
}

bool SettingsFileCheck::isReadable() const
{
    return reason_.isEmpty();
}

QString SettingsFileCheck::message() const
{
    return Messages::tr("Cannot read the settings file:\n%1\n%2")
        .arg(QDir::toNativeSeparators(path_), reason_);
}
