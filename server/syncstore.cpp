#include "server/syncstore.h"

#include "server/storage.h"
#include "server/syncfeed.h"
#include "server/syncsequence.h"

#include <QJsonDocument>
#include <QStringList>
#include <QUuid>

namespace {

const QStringList kEntityTypes = {QStringLiteral("account"), QStringLiteral("category"),
                                  QStringLiteral("recurring"), QStringLiteral("transaction"),
                                  QStringLiteral("reconciliation")};

QJsonObject result(const QJsonObject &change, const QString &status, const QString &serverId,
                   const QString &message)
{
    return {{QStringLiteral("status"), status},
            {QStringLiteral("entity_type"), change.value(QStringLiteral("entity_type"))},
            {QStringLiteral("entity_id"), change.value(QStringLiteral("entity_id"))},
            {QStringLiteral("server_id"), serverId},
            {QStringLiteral("message"), message}};
}

bool isDeletion(const QJsonObject &change)
{
    if (change.value(QStringLiteral("action")).toString() == QLatin1String("delete")) {
        return true;
    }
    return !change.value(QStringLiteral("payload"))
                .toObject()
                .value(QStringLiteral("deleted_at"))
                .toString()
                .isEmpty();
}

QString typeOf(const QJsonObject &change)
{
    return change.value(QStringLiteral("entity_type")).toString();
}

QString clientIdOf(const QJsonObject &change)
{
    return change.value(QStringLiteral("entity_id")).toString();
}

// The account a row belongs to: an account row is its own, a category belongs to none.
QString accountOf(const QJsonObject &change)
{
    const QString type = typeOf(change);
    if (type == QLatin1String("account")) {
        return clientIdOf(change);
    }
    if (type == QLatin1String("category")) {
        return QString();
    }
    return change.value(QStringLiteral("payload"))
        .toObject()
        .value(QStringLiteral("account_id"))
        .toString();
}

} // namespace

bool SyncStore::isEntityType(const QString &type)
{
    return kEntityTypes.contains(type);
}

std::optional<QJsonArray> SyncStore::push(const QString &userId, const QJsonArray &changes) const
{
    QJsonArray results;
    const QHash<QString, ShareStore::Grant> grants = m_shares.grantsOf(userId);
    const bool ok = m_storage.transaction([&] {
        qint64 sequence = 0;
        if (!SyncSequence::reserve(m_storage, int(changes.size()), &sequence)) {
            return false;
        }
        for (const QJsonValue &value : changes) {
            bool stored = true;
            results.append(pushOne(userId, value.toObject(), sequence++, grants, &stored));
            if (!stored) {
                return false;
            }
        }
        return true;
    });
    return ok ? std::optional<QJsonArray>(results) : std::nullopt;
}

std::optional<SyncStore::Stored> SyncStore::find(const QString &userId, const QString &type,
                                                 const QString &clientId, bool *ok) const
{
    std::optional<Stored> found;
    *ok = m_storage.select(
        QStringLiteral("SELECT server_id, version, account_id, deleted FROM sync_rows WHERE "
                       "user_id = ? AND entity_type = ? AND client_id = ?"),
        {userId, type, clientId}, "SyncStore::find", [&](const QSqlQuery &q) {
            found = Stored{q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(),
                           q.value(3).toInt() != 0};
        });
    return found;
}

// Whose row a change writes: the user's own, or the owner's of an account shared with the user.
SyncStore::Target SyncStore::target(const QString &userId, const QJsonObject &change,
                                    const QHash<QString, ShareStore::Grant> &grants, bool *ok) const
{
    Target own{userId, find(userId, typeOf(change), clientIdOf(change), ok), {}, false};
    const QString account = accountOf(change);
    if (!*ok || own.stored || account.isEmpty() || !grants.contains(account)) {
        return own;
    }
    const ShareStore::Grant grant = grants.value(account);
    if (!grant.active) {
        // The share has ended. A device that learnt so echoes the deletion; that is accepted
        // and dropped, while any other change would bring the rows back and is refused.
        Target refused{grant.ownerId, std::nullopt, {}, isDeletion(change)};
        if (!refused.ignore) {
            refused.refusal = QStringLiteral("this account is no longer shared with you");
        }
        return refused;
    }
    return sharedTarget(change, grant, grants, ok);
}

SyncStore::Target SyncStore::sharedTarget(const QJsonObject &change, const ShareStore::Grant &grant,
                                          const QHash<QString, ShareStore::Grant> &grants,
                                          bool *ok) const
{
    Target shared{
        grant.ownerId, find(grant.ownerId, typeOf(change), clientIdOf(change), ok), {}, false};
    const bool accountRow = typeOf(change) == QLatin1String("account");
    if (!*ok) {
        return shared;
    }
    if (grant.role == QLatin1String("viewer")) {
        shared.refusal = QStringLiteral("this account is shared with you to read only");
    } else if (shared.stored && !accountRow) {
        // A member may move a row only between accounts of the owner's shared with them.
        const ShareStore::Grant from = grants.value(shared.stored->accountId);
        if (!from.active || from.ownerId != grant.ownerId) {
            shared.refusal = QStringLiteral("that row belongs to an account not shared with you");
        }
    } else if (accountRow && isDeletion(change)) {
        // Only the owner deletes a shared account; echoing the owner's deletion is fine.
        shared.ignore = shared.stored && shared.stored->deleted;
        if (!shared.ignore) {
            shared.refusal = QStringLiteral("only the account's owner can delete it");
        }
    }
    return shared;
}

QJsonObject SyncStore::pushOne(const QString &userId, const QJsonObject &change, qint64 sequence,
                               const QHash<QString, ShareStore::Grant> &grants, bool *ok) const
{
    const QString clientId = clientIdOf(change);
    if (!isEntityType(typeOf(change)) || clientId.isEmpty() || clientId.size() > 100 ||
        !change.value(QStringLiteral("payload")).isObject()) {
        return result(change, QStringLiteral("error"), QString(),
                      QStringLiteral("unknown entity type, missing entity_id or payload"));
    }
    const Target to = target(userId, change, grants, ok);
    const QString storedId = to.stored ? to.stored->serverId : QString();
    if (!*ok) {
        return {};
    }
    if (!to.refusal.isEmpty()) {
        return result(change, QStringLiteral("forbidden"), storedId, to.refusal);
    }
    if (to.ignore) {
        return result(change, QStringLiteral("ok"), storedId, QStringLiteral("nothing to store"));
    }
    const int version = change.value(QStringLiteral("version")).toInt(1);
    if (to.stored && version < to.stored->version) {
        return result(change, QStringLiteral("conflict"), storedId,
                      QStringLiteral("stored version %1 is newer").arg(to.stored->version));
    }
    QString serverId;
    *ok = write(to.ownerId, change, to, sequence, &serverId);
    return result(change, QStringLiteral("ok"), serverId, QString());
}

bool SyncStore::write(const QString &ownerId, const QJsonObject &change, const Target &target,
                      qint64 sequence, QString *serverId) const
{
    const QString payload =
        QString::fromUtf8(QJsonDocument(change.value(QStringLiteral("payload")).toObject())
                              .toJson(QJsonDocument::Compact));
    const QVariantList values = {change.value(QStringLiteral("version")).toInt(1),
                                 isDeletion(change) ? 1 : 0,
                                 payload,
                                 sequence,
                                 Storage::now(),
                                 accountOf(change)};
    const QVariantList key = {ownerId, typeOf(change), clientIdOf(change)};
    if (target.stored) {
        *serverId = target.stored->serverId;
        return m_storage.exec(QStringLiteral("UPDATE sync_rows SET version = ?, deleted = ?, "
                                             "payload = ?, change_seq = ?, updated_at = ?, "
                                             "account_id = ? WHERE user_id = ? AND entity_type = "
                                             "? AND client_id = ?"),
                              values + key, "SyncStore::push");
    }
    *serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return m_storage.exec(QStringLiteral("INSERT INTO sync_rows (version, deleted, payload, "
                                         "change_seq, updated_at, account_id, user_id, "
                                         "entity_type, client_id, server_id) VALUES (?, ?, ?, ?, "
                                         "?, ?, ?, ?, ?, ?)"),
                          values + key + QVariantList{*serverId}, "SyncStore::push");
}

std::optional<SyncStore::Page> SyncStore::pull(const QString &userId, const QString &since,
                                               int limit) const
{
    const std::optional<SyncFeed::Cursor> cursor = SyncFeed::Cursor::parse(since);
    if (!cursor) {
        return std::nullopt;
    }
    return SyncFeed(m_storage, m_shares).page(userId, *cursor, limit);
}

int SyncStore::categoryCount(const QString &userId) const
{
    int count = 0;
    m_storage.select(QStringLiteral("SELECT COUNT(*) FROM sync_rows WHERE user_id = ? AND "
                                    "entity_type = 'category' AND deleted = 0"),
                     {userId}, "SyncStore::categoryCount",
                     [&](const QSqlQuery &q) { count = q.value(0).toInt(); });
    return count;
}
