#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <sodium.h>

// An Ed25519 key pair made for one test, signing as the publishing script does.
struct SigningKey
{
    SigningKey()
    {
        publicKey.resize(crypto_sign_PUBLICKEYBYTES);
        secretKey.resize(crypto_sign_SECRETKEYBYTES);
        if (sodium_init() < 0 ||
            crypto_sign_keypair(reinterpret_cast<unsigned char *>(publicKey.data()),
                                reinterpret_cast<unsigned char *>(secretKey.data())) != 0)
            qFatal("no key pair");
    }
    // The base64 text published beside the document.
    QByteArray sign(const QByteArray &document) const
    {
        QByteArray signature(crypto_sign_BYTES, Qt::Uninitialized);
        crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char *>(document.constData()),
                             static_cast<unsigned long long>(document.size()),
                             reinterpret_cast<const unsigned char *>(secretKey.constData()));
        return signature.toBase64() + '\n';
    }

    QByteArray publicKey;
    QByteArray secretKey;
};
