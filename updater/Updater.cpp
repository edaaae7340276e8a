#include "updater/Updater.h"

#include "updater/UpdateServer.h"
#include "updater/VersionDocument.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

Updater::Updater(QObject *parent) : QObject(parent) {}

void Updater::checkForUpdate()
{
    auto *manager = new QNetworkAccessManager(this);
    connect(manager, &QNetworkAccessManager::finished, this, &Updater::readXML);
    manager->get(QNetworkRequest(UpdateServer::versionDocumentUrl()));
}

void Updater::readXML(QNetworkReply *reply)
{
    reply->deleteLater();
    // A failed request has a body that does not parse, so it ends here too.
    const std::optional<VersionDocument> document = VersionDocument::parse(reply->readAll());
    if (!document || document->version.isEmpty())
        return;
    const QString current = QCoreApplication::applicationVersion();
    if (isNewerVersion(document->version, current))
        emit updateAvailable(current, document->version);
}
