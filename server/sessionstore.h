#pragma once

#include "server/records.h"

#include <QList>

#include <optional>

class Storage;

// The sessions table and the hashed refresh tokens issued in each session.
class SessionStore
{
public:
    explicit SessionStore(const Storage &storage)
        : m_storage(storage)
    {
    }

    std::optional<SessionRow> create(const QString &userId, const QString &userAgent,
                                     const QString &ipAddress) const;
    std::optional<SessionRow> find(const QString &id) const;
    QList<SessionRow> listActive(const QString &userId) const;
    bool touch(const QString &id) const;
    // Ends the session; `userId`, when given, must own it. False when nothing was revoked.
    bool revoke(const QString &id, const QString &userId = QString()) const;
    bool revokeAllExcept(const QString &userId, const QString &keepId) const;

    bool addRefreshToken(const QString &tokenHash, const QString &sessionId) const;

    struct Consumed
    {
        enum Outcome
        {
            Unknown,
            Fresh,
            Reused
        };
        Outcome outcome = Unknown;
        QString sessionId;
    };
    // Marks a refresh token used. A token that was already used comes back as Reused.
    Consumed consumeRefreshToken(const QString &tokenHash) const;

private:
    const Storage &m_storage;
};
