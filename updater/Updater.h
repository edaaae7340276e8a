#pragma once

#include "updater/UpdateOptions.h"

#include <QObject>
#include <QString>

class VersionFetch;

// Asks the maker's web server once for the latest version and says so when it
// is higher than this program's (the application version). Every failure is
// silent apart from the debug output; a build without a server asks nothing.
class Updater : public QObject
{
    Q_OBJECT
public:
    explicit Updater(QObject *parent = nullptr);
    Updater(const UpdateOptions &options, QObject *parent = nullptr);

    // Sends the request and returns at once.
    void checkForUpdate();

Q_SIGNALS:
    void updateAvailable(const QString &currentVersion, const QString &latestVersion);

private Q_SLOTS:
    void readXML();

private:
    UpdateOptions options_;
    VersionFetch *fetch_ = nullptr;
};
