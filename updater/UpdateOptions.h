#pragma once

#include "updater/UpdateServer.h"

#include <QByteArray>

// How an update is fetched and trusted: the build's key and a patient
// time-out, unless a test says otherwise.
struct UpdateOptions
{
    // The version document's signing key (32 bytes); empty: not signed.
    QByteArray publicKey = UpdateServer::publicKey();
    // A transfer that makes no progress for this long is given up.
    int stallTimeoutMs = 30000;
};
