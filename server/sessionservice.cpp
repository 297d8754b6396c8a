#include "server/sessionservice.h"

#include "server/passwordhasher.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QHttpServerRequest>

SessionService::SessionService(const Storage &storage, const QByteArray &signingKey)
    : m_sessions(storage)
    , m_users(storage)
    , m_groups(storage)
    , m_signer(signingKey)
{
}

QString SessionService::hashToken(const QString &refreshToken)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(refreshToken.toUtf8(), QCryptographicHash::Sha256).toHex());
}

std::optional<SessionService::Tokens>
SessionService::start(const UserRow &user, const QString &userAgent, const QString &ipAddress) const
{
    const std::optional<SessionRow> session = m_sessions.create(user.id, userAgent, ipAddress);
    return session ? issue(user, session->id) : std::nullopt;
}

std::optional<SessionService::Tokens> SessionService::issue(const UserRow &user,
                                                            const QString &sessionId) const
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    // The program reads the role to tell a group's owner; a join or a leave shows in the next
    // token, at the latest on the next refresh.
    const QJsonObject custom{
        {QStringLiteral("vby"), QJsonObject{{QStringLiteral("role"), m_groups.roleOf(user.id)}}}};
    const QJsonObject claims{{QStringLiteral("sub"), user.id},
                             {QStringLiteral("email"), user.email},
                             {QStringLiteral("sid"), sessionId},
                             {QStringLiteral("iat"), now},
                             {QStringLiteral("exp"), now + kAccessLifetimeSeconds},
                             {QStringLiteral("custom"), custom}};
    Tokens tokens;
    tokens.sessionId = sessionId;
    tokens.accessToken = QString::fromLatin1(m_signer.sign(claims));
    tokens.refreshToken = QString::fromLatin1(PasswordHasher::randomBytes(32).toBase64(
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    if (!m_sessions.addRefreshToken(hashToken(tokens.refreshToken), sessionId)) {
        return std::nullopt;
    }
    return tokens;
}

std::optional<SessionService::Tokens> SessionService::refresh(const QString &refreshToken,
                                                              QString *error) const
{
    const SessionStore::Consumed consumed = m_sessions.consumeRefreshToken(hashToken(refreshToken));
    if (consumed.outcome == SessionStore::Consumed::Unknown) {
        *error = QStringLiteral("invalid refresh token");
        return std::nullopt;
    }
    if (consumed.outcome == SessionStore::Consumed::Reused) {
        m_sessions.revoke(consumed.sessionId);
        *error = QStringLiteral("refresh token reused; the session has been revoked");
        return std::nullopt;
    }
    const std::optional<SessionRow> session = m_sessions.find(consumed.sessionId);
    const std::optional<UserRow> user = session ? m_users.findById(session->userId) : std::nullopt;
    if (!session || session->revoked || !user) {
        *error = QStringLiteral("the session has ended");
        return std::nullopt;
    }
    m_sessions.touch(session->id);
    return issue(*user, session->id);
}

std::optional<SessionService::Caller>
SessionService::authenticate(const QHttpServerRequest &request) const
{
    const QByteArray header = request.value("Authorization");
    if (!header.startsWith("Bearer ")) {
        return std::nullopt;
    }
    const std::optional<QJsonObject> claims =
        m_signer.verify(header.mid(7).trimmed(), QDateTime::currentSecsSinceEpoch());
    if (!claims) {
        return std::nullopt;
    }
    const QString sessionId = claims->value(QStringLiteral("sid")).toString();
    const std::optional<SessionRow> session = m_sessions.find(sessionId);
    const QString userId = claims->value(QStringLiteral("sub")).toString();
    if (!session || session->revoked || session->userId != userId) {
        return std::nullopt;
    }
    const std::optional<UserRow> user = m_users.findById(userId);
    if (!user) {
        return std::nullopt;
    }
    // The last activity is kept to the minute: no write for every request.
    const QDateTime lastActive = QDateTime::fromString(session->lastActiveAt, Qt::ISODateWithMs);
    if (!lastActive.isValid() || lastActive.secsTo(QDateTime::currentDateTimeUtc()) >= 60) {
        m_sessions.touch(sessionId);
    }
    return Caller{*user, sessionId};
}
