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
    return QUrl(QStringLiteral(UPDATE_HTTP_HOST "/products/Rowsmith/latest"));
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
