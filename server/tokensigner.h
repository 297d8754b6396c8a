#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <optional>

// JSON Web Tokens signed with HMAC-SHA256 (the "HS256" algorithm) under the server's key.
class TokenSigner
{
public:
    explicit TokenSigner(const QByteArray &key)
        : m_key(key)
    {
    }

    QByteArray sign(const QJsonObject &claims) const;
    // The claims of a token whose signature is good, whose header names HS256 and whose `exp`
    // lies in the future (seconds since the epoch, compared with `now`).
    std::optional<QJsonObject> verify(const QByteArray &token, qint64 now) const;

private:
    QByteArray m_key;
};
