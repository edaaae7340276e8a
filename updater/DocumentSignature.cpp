#include "updater/DocumentSignature.h"

#include <sodium.h>

bool isSignedBy(const QByteArray &document, const QByteArray &signature,
                const QByteArray &publicKey)
{
    if (sodium_init() < 0)
        return false;
    const auto decoded = QByteArray::fromBase64Encoding(signature.trimmed(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != crypto_sign_BYTES ||
        publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    return crypto_sign_verify_detached(
               reinterpret_cast<const unsigned char *>(decoded.decoded.constData()),
               reinterpret_cast<const unsigned char *>(document.constData()),
               static_cast<unsigned long long>(document.size()),
               reinterpret_cast<const unsigned char *>(publicKey.constData())) == 0;
}
