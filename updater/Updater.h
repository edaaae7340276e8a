#pragma once

#include <QObject>
#include <QString>

class QNetworkReply;

// Asks the maker's web server once for the latest version and says so when it
// is higher than this program's (the application version). Every failure is
// silent apart from the debug output.
class Updater : public QObject
{
    Q_OBJECT
public:
    explicit Updater(QObject *parent = nullptr);

    // Sends the request and returns at once.
    void checkForUpdate();

Q_SIGNALS:
    void updateAvailable(const QString &currentVersion, const QString &latestVersion);

private Q_SLOTS:
    void readXML(QNetworkReply *reply);
};
