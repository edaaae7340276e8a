#pragma once

#include "updater/UpdateOptions.h"
#include "updater/VersionDocument.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches the version document once, and with a signing key also its
// signature, which must sign the document's exact bytes before the document
// is read at all. Each request gives up after the options' time without
// progress. Says `finished` once, whatever the outcome.
class VersionFetch : public QObject
{
    Q_OBJECT
public:
    enum Outcome
    {
        Pending,
        Fetched,
        NoDocument,
        Unverified
    };

    explicit VersionFetch(const UpdateOptions &options, QObject *parent = nullptr);

    void start(const QUrl &documentUrl);
    Outcome outcome() const { return outcome_; }
    // The document, once fetched.
    const VersionDocument &document() const { return document_; }

Q_SIGNALS:
    void finished();

private:
    QNetworkReply *get(const QUrl &url, int limit);
    void documentArrived(QNetworkReply *reply);
    void signatureArrived(QNetworkReply *reply);
    void read();
    void finish(Outcome outcome);

    UpdateOptions options_;
    QNetworkAccessManager *manager_;
    QUrl documentUrl_;
    QByteArray body_;
    VersionDocument document_;
    Outcome outcome_ = Pending;
};
