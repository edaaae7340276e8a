#include "updater/Updater.h"

#include "updater/UpdateServer.h"
#include "updater/VersionFetch.h"

#include <QCoreApplication>
#include <QDebug>

Updater::Updater(QObject *parent) : Updater(UpdateOptions(), parent) {}

Updater::Updater(const UpdateOptions &options, QObject *parent) : QObject(parent), options_(options)
{}

void Updater::checkForUpdate()
{
    const QUrl url = UpdateServer::versionDocumentUrl();
    if (url.isEmpty()) {
        qDebug("no update server: no version check");
        return;
    }
    fetch_ = new VersionFetch(options_, this);
    connect(fetch_, &VersionFetch::finished, this, &Updater::readXML);
    fetch_->start(url);
}

void Updater::readXML()
{
    fetch_->deleteLater();
    // A failed request has no document, so it ends here too.
    if (fetch_->outcome() != VersionFetch::Fetched || fetch_->document().version.isEmpty())
        return;
    const QString latest = fetch_->document().version;
    const QString current = QCoreApplication::applicationVersion();
    if (isNewerVersion(latest, current))
        emit updateAvailable(current, latest);
}
