#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Where the maker's servers are and the key that signs their version
// document. The build fixes them; for tests and staging,
// ROWSMITH_UPDATE_URL (the version document's full URL) and
// ROWSMITH_UPDATE_FTP_URL (the FTP base URL) replace the addresses at run
// time, never the key.
namespace UpdateServer {

// The version document, fetched by HTTP GET; empty when the build names no
// server, and then no check is made.
QUrl versionDocumentUrl();

// The document's signature, published beside it.
QUrl signatureUrl(const QUrl &documentUrl);

// The file `name` of the update to `version` on the FTP server, for an
// anonymous login.
QUrl updateFileUrl(const QString &version, const QString &name);

// The Ed25519 public key (32 bytes) that signs the version document; empty
// when the build has none and documents go unsigned.
QByteArray publicKey();

} // namespace UpdateServer
