#pragma once

class QNetworkReply;

// Gives up a transfer that has made no progress for `timeoutMs`: the reply
// is aborted and finishes as usual, and stalled() then says why.
void abortWhenStalled(QNetworkReply *reply, int timeoutMs);
bool stalled(const QNetworkReply *reply);
