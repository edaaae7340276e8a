#include "updater/StalledTransfer.h"

#include <QNetworkReply>
#include <QTimer>

namespace {
const char StalledProperty[] = "rowsmithStalled";
}

void abortWhenStalled(QNetworkReply *reply, int timeoutMs)
{
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    timer->setInterval(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty(StalledProperty, true);
        reply->abort();
    });
    // Any sign of life starts the wait anew.
    const auto restart = [timer] { timer->start(); };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, timer, restart);
    QObject::connect(reply, &QNetworkReply::downloadProgress, timer, restart);
    QObject::connect(reply, &QNetworkReply::finished, timer, &QTimer::stop);
    timer->start();
}

bool stalled(const QNetworkReply *reply)
{
    return reply->property(StalledProperty).toBool();
}
