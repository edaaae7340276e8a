#include "LocalServer.h"

#include <QDeadlineTimer>
#include <QTextStream>

LocalServer::LocalServer(const QString &script, const QString &root, const QStringList &options)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(TEST_PYTHON3),
                   QStringList{QStringLiteral(TEST_SOURCE_DIR "/tests/support/") + script,
                               QStringLiteral("--root"), root} +
                       options);
    const QDeadlineTimer deadline(15000);
    while (!process_.canReadLine() && process_.state() != QProcess::NotRunning &&
           !deadline.hasExpired())
        process_.waitForReadyRead(200);
    const QByteArray line = process_.readLine().trimmed();
    if (line.startsWith("port "))
        port_ = line.mid(5).toUShort();
    if (!port_)
        QTextStream(stderr) << "test server " << script << " did not start\n";
}

LocalServer::~LocalServer()
{
    process_.closeWriteChannel(); // the script ends itself on end of input
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

quint16 LocalServer::port() const
{
    return port_;
}

QString LocalServer::url(const QString &scheme) const
{
    return QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(port_);
}
