#include "server/sharestore.h"

#include "server/storage.h"
#include "server/syncsequence.h"

namespace {

struct ShareKey
{
    QString ownerId;
    QString accountId;
    QString memberId;
};

} // namespace

ShareStore::Account ShareStore::resolve(const QString &callerId, const QString &accountId) const
{
    Account account;
    m_storage.select(
        QStringLiteral("SELECT client_id FROM sync_rows WHERE user_id = ? AND "
                       "entity_type = 'account' AND deleted = 0 AND (client_id = ? "
                       "OR server_id = ?)"),
        {callerId, accountId, accountId}, "ShareStore::resolve", [&](const QSqlQuery &q) {
            account = {Access::Owner, callerId, q.value(0).toString(), QStringLiteral("owner")};
        });
    if (account.access != Access::Unknown) {
        return account;
    }
    m_storage.select(
        QStringLiteral("SELECT s.owner_id, s.account_id, s.role FROM account_shares s JOIN "
                       "sync_rows r ON r.user_id = s.owner_id AND r.entity_type = 'account' AND "
                       "r.client_id = s.account_id WHERE s.member_id = ? AND s.revoked_seq = 0 AND "
                       "r.deleted = 0 AND (r.client_id = ? OR r.server_id = ?)"),
        {callerId, accountId, accountId}, "ShareStore::resolve", [&](const QSqlQuery &q) {
            account = {Access::Member, q.value(0).toString(), q.value(1).toString(),
                       q.value(2).toString()};
        });
    if (account.access != Access::Unknown) {
        return account;
    }
    m_storage.select(
        QStringLiteral("SELECT user_id, client_id FROM sync_rows WHERE entity_type "
                       "= 'account' AND user_id <> ? AND (client_id = ? OR "
                       "server_id = ?)"),
        {callerId, accountId, accountId}, "ShareStore::resolve", [&](const QSqlQuery &q) {
            account = {Access::Stranger, q.value(0).toString(), q.value(1).toString(), QString()};
        });
    return account;
}

QList<ShareRow> ShareStore::members(const Account &account) const
{
    QList<ShareRow> rows;
    m_storage.select(
        QStringLiteral("SELECT u.id, u.email, u.display_name, 'owner', r.updated_at FROM users u "
                       "JOIN sync_rows r ON r.user_id = u.id AND r.entity_type = 'account' AND "
                       "r.client_id = ? WHERE u.id = ?"),
        {account.clientId, account.ownerId}, "ShareStore::members", [&](const QSqlQuery &q) {
            rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString(), q.value(4).toString()});
        });
    m_storage.select(
        QStringLiteral("SELECT u.id, u.email, u.display_name, s.role, s.created_at FROM "
                       "account_shares s JOIN users u ON u.id = s.member_id WHERE s.owner_id = ? "
                       "AND s.account_id = ? AND s.revoked_seq = 0 ORDER BY s.created_at, u.id"),
        {account.ownerId, account.clientId}, "ShareStore::members", [&](const QSqlQuery &q) {
            rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString(), q.value(4).toString()});
        });
    return rows;
}

bool ShareStore::share(const Account &account, const QString &memberId, const QString &role) const
{
    return m_storage.transaction([&] {
        const QVariantList key{account.ownerId, account.clientId, memberId};
        int active = 0;
        int any = 0;
        m_storage.select(QStringLiteral("SELECT revoked_seq FROM account_shares WHERE owner_id = "
                                        "? AND account_id = ? AND member_id = ?"),
                         key, "ShareStore::share", [&](const QSqlQuery &q) {
                             ++any;
                             active += q.value(0).toLongLong() == 0 ? 1 : 0;
                         });
        if (active > 0) {
            // Shared already: only the role changes, and nothing needs to travel again.
            return m_storage.exec(QStringLiteral("UPDATE account_shares SET role = ? WHERE "
                                                 "owner_id = ? AND account_id = ? AND member_id "
                                                 "= ?"),
                                  QVariantList{role} + key, "ShareStore::share");
        }
        qint64 sequence = 0;
        if (!SyncSequence::reserve(m_storage, 2, &sequence)) {
            return false;
        }
        const QVariantList values{role, Storage::now(), sequence};
        const bool stored =
            any > 0 ? m_storage.exec(QStringLiteral("UPDATE account_shares SET role = ?, "
                                                    "created_at = ?, granted_seq = ?, "
                                                    "revoked_seq = 0 WHERE owner_id = ? AND "
                                                    "account_id = ? AND member_id = ?"),
                                     values + key, "ShareStore::share")
                    : m_storage.exec(QStringLiteral("INSERT INTO account_shares (role, "
                                                    "created_at, granted_seq, owner_id, "
                                                    "account_id, member_id) VALUES (?, ?, ?, ?, "
                                                    "?, ?)"),
                                     values + key, "ShareStore::share");
        return stored && touchAccount(account.ownerId, account.clientId, sequence + 1);
    });
}

bool ShareStore::unshare(const Account &account, const QString &memberId, bool *found) const
{
    *found = false;
    return m_storage.transaction([&] {
        qint64 sequence = 0;
        int rows = 0;
        const bool ok =
            SyncSequence::reserve(m_storage, 2, &sequence) &&
            m_storage.exec(QStringLiteral("UPDATE account_shares SET revoked_seq = ? WHERE "
                                          "owner_id = ? AND account_id = ? AND member_id = ? AND "
                                          "revoked_seq = 0"),
                           {sequence, account.ownerId, account.clientId, memberId},
                           "ShareStore::unshare", &rows);
        *found = rows > 0;
        return ok && *found && touchAccount(account.ownerId, account.clientId, sequence + 1);
    });
}

bool ShareStore::revokeAllOf(const QString &userId) const
{
    QList<ShareKey> shares;
    const bool read = m_storage.select(
        QStringLiteral("SELECT owner_id, account_id, member_id FROM account_shares WHERE "
                       "(owner_id = ? OR member_id = ?) AND revoked_seq = 0"),
        {userId, userId}, "ShareStore::revokeAllOf", [&](const QSqlQuery &q) {
            shares.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
        });
    if (!read || shares.isEmpty()) {
        return read;
    }
    qint64 sequence = 0;
    if (!SyncSequence::reserve(m_storage, 2, &sequence)) {
        return false;
    }
    for (const ShareKey &share : shares) {
        const bool ok =
            m_storage.exec(QStringLiteral("UPDATE account_shares SET revoked_seq = ? WHERE "
                                          "owner_id = ? AND account_id = ? AND member_id = ?"),
                           {sequence, share.ownerId, share.accountId, share.memberId},
                           "ShareStore::revokeAllOf") &&
            touchAccount(share.ownerId, share.accountId, sequence + 1);
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool ShareStore::touchAccount(const QString &ownerId, const QString &clientId,
                              qint64 sequence) const
{
    // The owner's devices learn that the account's shared state changed (is_shared).
    return m_storage.exec(QStringLiteral("UPDATE sync_rows SET change_seq = ? WHERE user_id = ? "
                                         "AND entity_type = 'account' AND client_id = ?"),
                          {sequence, ownerId, clientId}, "ShareStore::touchAccount");
}

QHash<QString, ShareStore::Grant> ShareStore::grantsOf(const QString &memberId) const
{
    QHash<QString, Grant> grants;
    m_storage.select(QStringLiteral("SELECT account_id, owner_id, role, revoked_seq FROM "
                                    "account_shares WHERE member_id = ?"),
                     {memberId}, "ShareStore::grantsOf", [&](const QSqlQuery &q) {
                         const Grant grant{q.value(1).toString(), q.value(2).toString(),
                                           q.value(3).toLongLong() == 0};
                         const QString account = q.value(0).toString();
                         if (grant.active || !grants.value(account).active) {
                             grants.insert(account, grant);
                         }
                     });
    return grants;
}

QSet<QString> ShareStore::sharedAccountsOf(const QString &ownerId) const
{
    QSet<QString> accounts;
    m_storage.select(QStringLiteral("SELECT DISTINCT account_id FROM account_shares WHERE "
                                    "owner_id = ? AND revoked_seq = 0"),
                     {ownerId}, "ShareStore::sharedAccountsOf",
                     [&](const QSqlQuery &q) { accounts.insert(q.value(0).toString()); });
    return accounts;
}
