#pragma once

#include <QString>
#include <QUrl>

// Where the maker's servers are. The build fixes the addresses; for tests and
// staging, ROWSMITH_UPDATE_URL (the version document's full URL) and
// ROWSMITH_UPDATE_FTP_URL (the FTP base URL) replace them at run time.
namespace UpdateServer {

// The version document, fetched by HTTP GET.
QUrl versionDocumentUrl();

// The file `name` of the update to `version` on the FTP server, for an
// anonymous login.
QUrl updateFileUrl(const QString &version, const QString &name);

} // namespace UpdateServer
