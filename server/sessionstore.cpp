#include "server/sessionstore.h"

#include "server/storage.h"

#include <QUuid>

namespace {

const QString kColumns = QStringLiteral(
    "SELECT id, user_id, user_agent, ip_address, created_at, last_active_at, revoked_at "
    "FROM sessions ");

SessionRow sessionFrom(const QSqlQuery &q)
{
    return {q.value(0).toString(),
            q.value(1).toString(),
            q.value(2).toString(),
            q.value(3).toString(),
            q.value(4).toString(),
            q.value(5).toString(),
            !q.value(6).isNull() && !q.value(6).toString().isEmpty()};
}

} // namespace

std::optional<SessionRow> SessionStore::create(const QString &userId, const QString &userAgent,
                                               const QString &ipAddress) const
{
    const QString now = Storage::now();
    SessionRow session{QUuid::createUuid().toString(QUuid::WithoutBraces),
                       userId,
                       userAgent.left(500),
                       ipAddress,
                       now,
                       now,
                       false};
    const bool ok = m_storage.exec(
        QStringLiteral("INSERT INTO sessions (id, user_id, user_agent, ip_address, created_at, "
                       "last_active_at) VALUES (?, ?, ?, ?, ?, ?)"),
        {session.id, userId, session.userAgent, ipAddress, now, now}, "SessionStore::create");
    return ok ? std::optional<SessionRow>(session) : std::nullopt;
}

std::optional<SessionRow> SessionStore::find(const QString &id) const
{
    std::optional<SessionRow> found;
    m_storage.select(kColumns + QStringLiteral("WHERE id = ?"), {id}, "SessionStore::find",
                     [&](const QSqlQuery &q) { found = sessionFrom(q); });
    return found;
}

QList<SessionRow> SessionStore::listActive(const QString &userId) const
{
    QList<SessionRow> sessions;
    m_storage.select(kColumns + QStringLiteral("WHERE user_id = ? AND revoked_at IS NULL "
                                               "ORDER BY last_active_at DESC"),
                     {userId}, "SessionStore::listActive",
                     [&](const QSqlQuery &q) { sessions.append(sessionFrom(q)); });
    return sessions;
}

bool SessionStore::touch(const QString &id) const
{
    return m_storage.exec(QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"),
                          {Storage::now(), id}, "SessionStore::touch");
}

bool SessionStore::revoke(const QString &id, const QString &userId) const
{
    int rows = 0;
    const bool ok =
        userId.isEmpty()
            ? m_storage.exec(QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE "
                                            "id = ? AND revoked_at IS NULL"),
                             {Storage::now(), id}, "SessionStore::revoke", &rows)
            : m_storage.exec(QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE "
                                            "id = ? AND user_id = ? AND revoked_at IS "
                                            "NULL"),
                             {Storage::now(), id, userId}, "SessionStore::revoke", &rows);
    return ok && rows > 0;
}

bool SessionStore::revokeAllExcept(const QString &userId, const QString &keepId) const
{
    return m_storage.exec(QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = ? "
                                         "AND id <> ? AND revoked_at IS NULL"),
                          {Storage::now(), userId, keepId}, "SessionStore::revokeAllExcept");
}

bool SessionStore::addRefreshToken(const QString &tokenHash, const QString &sessionId) const
{
    return m_storage.exec(QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, "
                                         "used, created_at) VALUES (?, ?, 0, ?)"),
                          {tokenHash, sessionId, Storage::now()}, "SessionStore::addRefreshToken");
}

SessionStore::Consumed SessionStore::consumeRefreshToken(const QString &tokenHash) const
{
    Consumed result;
    m_storage.select(QStringLiteral("SELECT session_id FROM refresh_tokens WHERE token_hash = ?"),
                     {tokenHash}, "SessionStore::consumeRefreshToken",
                     [&](const QSqlQuery &q) { result.sessionId = q.value(0).toString(); });
    if (result.sessionId.isEmpty()) {
        return result;
    }
    // The conditional update decides between two servers racing on one token: only one of them
    // changes the row.
    int rows = 0;
    m_storage.exec(QStringLiteral("UPDATE refresh_tokens SET used = 1 WHERE token_hash = ? AND "
                                  "used = 0"),
                   {tokenHash}, "SessionStore::consumeRefreshToken", &rows);
    result.outcome = rows == 1 ? Consumed::Fresh : Consumed::Reused;
    return result;
}
