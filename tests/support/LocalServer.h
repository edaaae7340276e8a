#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A test server on 127.0.0.1: one of the Python scripts beside this file,
// run with Debian's python3 on a free port. It stops with this object (or,
// should the test die, when its standard input closes).
class LocalServer
{
public:
    // script: "http_server.py" or "ftp_server.py"; root: the folder it serves.
    LocalServer(const QString &script, const QString &root, const QStringList &options = {});
    ~LocalServer();
    LocalServer(const LocalServer &) = delete;
    LocalServer &operator=(const LocalServer &) = delete;

    // 0 when the server did not start.
    quint16 port() const;
    // "scheme://127.0.0.1:port/"
    QString url(const QString &scheme) const;

private:
    QProcess process_;
    quint16 port_ = 0;
};
