#pragma once

#include <QByteArray>

// Whether `signature` (base64 text of an Ed25519 detached signature, as
// published beside the version document) signs exactly `document` under
// `publicKey` (32 bytes).
bool isSignedBy(const QByteArray &document, const QByteArray &signature,
                const QByteArray &publicKey);
