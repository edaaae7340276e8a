#include "updater/VersionFetch.h"

#include "updater/DocumentSignature.h"
#include "updater/StalledTransfer.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// Far above any real document; a server that sends more is no update server.
constexpr int DocumentLimit = 8 * 1024 * 1024;
constexpr int SignatureLimit = 4096;

// The body of a transfer that went through; a failed one has none, and so
// no document.
QByteArray bodyOf(QNetworkReply *reply)
{
    reply->deleteLater();
    return reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
}

} // namespace

VersionFetch::VersionFetch(const UpdateOptions &options, QObject *parent)
    : QObject(parent), options_(options), manager_(new QNetworkAccessManager(this))
{}

void VersionFetch::start(const QUrl &documentUrl)
{
    documentUrl_ = documentUrl;
    QNetworkReply *reply = get(documentUrl, DocumentLimit);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { documentArrived(reply); });
}

QNetworkReply *VersionFetch::get(const QUrl &url, int limit)
{
    QNetworkReply *reply = manager_->get(QNetworkRequest(url));
    abortWhenStalled(reply, options_.stallTimeoutMs);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply, limit](qint64 received) {
        if (received > limit)
            reply->abort();
    });
    return reply;
}

void VersionFetch::documentArrived(QNetworkReply *reply)
{
    body_ = bodyOf(reply);
    if (options_.publicKey.isEmpty()) {
        read();
        return;
    }
    QNetworkReply *signature = get(UpdateServer::signatureUrl(documentUrl_), SignatureLimit);
    connect(signature, &QNetworkReply::finished, this,
            [this, signature] { signatureArrived(signature); });
}

void VersionFetch::signatureArrived(QNetworkReply *reply)
{
    if (!isSignedBy(body_, bodyOf(reply), options_.publicKey)) {
        qDebug("version document: signature missing or wrong");
        finish(Unverified);
        return;
    }
    read();
}

void VersionFetch::read()
{
    const std::optional<VersionDocument> document = VersionDocument::parse(body_);
    if (!document) {
        finish(NoDocument);
        return;
    }
    // A signed document vouches for the files only through their checksums.
    if (!options_.publicKey.isEmpty()) {
        for (const UpdateFile &file : document->files) {
            if (!file.sha256) {
                qDebug().noquote() << "version document: no sha256 for" << file.name;
                finish(Unverified);
                return;
            }
        }
    }
    document_ = *document;
    finish(Fetched);
}

void VersionFetch::finish(Outcome outcome)
{
    outcome_ = outcome;
    emit finished();
}
