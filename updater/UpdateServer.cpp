#include "updater/UpdateServer.h"

namespace {

QUrl fromEnvironment(const char *variable)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QUrl() : QUrl(value);
}

QUrl ftpBaseUrl()
{
    QUrl base = fromEnvironment("ROWSMITH_UPDATE_FTP_URL");
    if (base.isEmpty()) {
        base = QUrl(QStringLiteral(UPDATE_FTP_HOST));
        base.setPort(UPDATE_FTP_PORT);
    }
    if (base.userName().isEmpty())
        base.setUserName(QStringLiteral("anonymous"));
    return base;
}

} // namespace

QUrl UpdateServer::versionDocumentUrl()
{
    const QUrl configured = fromEnvironment("ROWSMITH_UPDATE_URL");
    if (!configured.isEmpty())
        return configured;
    const QString host = QStringLiteral(UPDATE_HTTP_HOST);
    if (host.isEmpty())
        return QUrl();
    return QUrl(host + QStringLiteral("/products/Rowsmith/latest"));
}

QUrl UpdateServer::signatureUrl(const QUrl &documentUrl)
{
    QUrl url = documentUrl;
    url.setPath(url.path() + QStringLiteral(".sig"));
    return url;
}

QByteArray UpdateServer::publicKey()
{
    return QByteArray::fromBase64(QByteArrayLiteral(UPDATE_PUBLIC_KEY));
}

QUrl UpdateServer::updateFileUrl(const QString &version, const QString &name)
{
    QUrl url = ftpBaseUrl();
    QString folder = url.path();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    url.setPath(folder + QStringLiteral("products/Rowsmith/updates/") + version + QLatin1Char('/') +
                name);
    return url;
}
