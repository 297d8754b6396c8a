#include "server/passwordhasher.h"

#include <algorithm>
#include <sodium.h>

namespace PasswordHasher {

bool initialize()
{
    return sodium_init() >= 0;
}

QString hash(const QString &password)
{
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return QString();
    }
    return QString::fromLatin1(out);
}

bool verify(const QString &encodedHash, const QString &password)
{
    const QByteArray stored = encodedHash.toLatin1();
    if (stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES) {
        return false;
    }
    char buffer[crypto_pwhash_STRBYTES] = {};
    std::copy(stored.cbegin(), stored.cend(), buffer);
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(buffer, utf8.constData(), quint64(utf8.size())) == 0;
}

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(count));
    return bytes;
}

bool equalConstantTime(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size() &&
           sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

} // namespace PasswordHasher
