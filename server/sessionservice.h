#pragma once

#include "server/groupstore.h"
#include "server/records.h"
#include "server/sessionstore.h"
#include "server/tokensigner.h"
#include "server/userstore.h"

#include <optional>

class QHttpServerRequest;
class Storage;

// Sessions and the tokens that carry them. An access token is a 15-minute JWT naming the user
// (`sub`, `email`), the session (`sid`) and the user's role in their group as it was when the
// token was issued (`custom.vby.role`: "owner", "member" or empty); a refresh token is 32 random
// bytes, kept only as its SHA-256 and replaced on every use. Presenting a refresh token a second
// time means it was copied: the whole session is revoked.
class SessionService
{
public:
    static constexpr qint64 kAccessLifetimeSeconds = 15 * 60;

    struct Tokens
    {
        QString accessToken;
        QString refreshToken;
        QString sessionId;
    };
    struct Caller
    {
        UserRow user;
        QString sessionId;
    };

    SessionService(const Storage &storage, const QByteArray &signingKey);

    std::optional<Tokens> start(const UserRow &user, const QString &userAgent,
                                const QString &ipAddress) const;
    // New tokens for a refresh token; nothing (and `error` set) when it is unknown, reused or
    // its session has ended.
    std::optional<Tokens> refresh(const QString &refreshToken, QString *error) const;
    // The signed-in caller of a request with "Authorization: Bearer <access token>".
    std::optional<Caller> authenticate(const QHttpServerRequest &request) const;

    const SessionStore &sessions() const { return m_sessions; }
    const UserStore &users() const { return m_users; }
    const GroupStore &groups() const { return m_groups; }

    static QString hashToken(const QString &refreshToken);

private:
    std::optional<Tokens> issue(const UserRow &user, const QString &sessionId) const;

    SessionStore m_sessions;
    UserStore m_users;
    GroupStore m_groups;
    TokenSigner m_signer;
};
