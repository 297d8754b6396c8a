#include "server/syncstore.h"

#include "server/storage.h"

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

} // namespace

bool SyncStore::isEntityType(const QString &type)
{
    return kEntityTypes.contains(type);
}

std::optional<QJsonArray> SyncStore::push(const QString &userId, const QJsonArray &changes) const
{
    QJsonArray results;
    const bool ok = m_storage.transaction([&] {
        qint64 sequence = 0;
        if (!reserve(int(changes.size()), &sequence)) {
            return false;
        }
        for (const QJsonValue &value : changes) {
            bool stored = true;
            results.append(pushOne(userId, value.toObject(), sequence++, &stored));
            if (!stored) {
                return false;
            }
        }
        return true;
    });
    return ok ? std::optional<QJsonArray>(results) : std::nullopt;
}

bool SyncStore::reserve(int count, qint64 *first) const
{
    // The UPDATE comes first so that its row lock orders concurrent pushes.
    if (!m_storage.exec(QStringLiteral("UPDATE sync_sequence SET value = value + ?"), {count},
                        "SyncStore::reserve")) {
        return false;
    }
    qint64 last = -1;
    const bool ok = m_storage.select(QStringLiteral("SELECT value FROM sync_sequence"), {},
                                     "SyncStore::reserve",
                                     [&](const QSqlQuery &q) { last = q.value(0).toLongLong(); });
    *first = last - count + 1;
    return ok && last >= 0;
}

std::optional<SyncStore::Stored> SyncStore::find(const QString &userId, const QString &type,
                                                 const QString &clientId, bool *ok) const
{
    std::optional<Stored> found;
    *ok = m_storage.select(
        QStringLiteral("SELECT server_id, version FROM sync_rows WHERE user_id = ? AND "
                       "entity_type = ? AND client_id = ?"),
        {userId, type, clientId}, "SyncStore::find", [&](const QSqlQuery &q) {
            found = Stored{q.value(0).toString(), q.value(1).toInt()};
        });
    return found;
}

QJsonObject SyncStore::pushOne(const QString &userId, const QJsonObject &change, qint64 sequence,
                               bool *ok) const
{
    const QString type = change.value(QStringLiteral("entity_type")).toString();
    const QString clientId = change.value(QStringLiteral("entity_id")).toString();
    const QJsonValue payloadValue = change.value(QStringLiteral("payload"));
    if (!isEntityType(type) || clientId.isEmpty() || clientId.size() > 100 ||
        !payloadValue.isObject()) {
        return result(change, QStringLiteral("error"), QString(),
                      QStringLiteral("unknown entity type, missing entity_id or payload"));
    }
    const int version = change.value(QStringLiteral("version")).toInt(1);
    const std::optional<Stored> stored = find(userId, type, clientId, ok);
    if (!*ok) {
        return {};
    }
    if (stored && version < stored->version) {
        return result(change, QStringLiteral("conflict"), stored->serverId,
                      QStringLiteral("stored version %1 is newer").arg(stored->version));
    }
    const QString payload =
        QString::fromUtf8(QJsonDocument(payloadValue.toObject()).toJson(QJsonDocument::Compact));
    const QVariantList values = {version, isDeletion(change) ? 1 : 0, payload, sequence,
                                 Storage::now()};
    if (stored) {
        *ok = m_storage.exec(QStringLiteral("UPDATE sync_rows SET version = ?, deleted = ?, "
                                            "payload = ?, change_seq = ?, updated_at = ? WHERE "
                                            "user_id = ? AND entity_type = ? AND client_id = ?"),
                             values + QVariantList{userId, type, clientId}, "SyncStore::push");
        return result(change, QStringLiteral("ok"), stored->serverId, QString());
    }
    const QString serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    *ok =
        m_storage.exec(QStringLiteral("INSERT INTO sync_rows (version, deleted, payload, "
                                      "change_seq, updated_at, user_id, entity_type, client_id, "
                                      "server_id) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       values + QVariantList{userId, type, clientId, serverId}, "SyncStore::push");
    return result(change, QStringLiteral("ok"), serverId, QString());
}

std::optional<SyncStore::Page> SyncStore::pull(const QString &userId, const QString &since,
                                               int limit) const
{
    bool numeric = true;
    const qint64 after = since.isEmpty() ? 0 : since.toLongLong(&numeric);
    if (!numeric || after < 0) {
        return std::nullopt;
    }
    Page page;
    page.cursor = QString::number(after);
    int count = 0;
    const bool ok = m_storage.select(
        QStringLiteral("SELECT entity_type, client_id, server_id, version, payload, change_seq "
                       "FROM sync_rows WHERE user_id = ? AND change_seq > ? ORDER BY change_seq "
                       "LIMIT ?"),
        {userId, after, limit + 1}, "SyncStore::pull", [&](const QSqlQuery &q) {
            if (++count > limit) {
                page.hasMore = true;
                return;
            }
            QJsonObject row = QJsonDocument::fromJson(q.value(4).toString().toUtf8()).object();
            row.insert(QStringLiteral("entity_type"), q.value(0).toString());
            row.insert(QStringLiteral("client_id"), q.value(1).toString());
            row.insert(QStringLiteral("id"), q.value(2).toString());
            row.insert(QStringLiteral("version"), q.value(3).toInt());
            page.rows.append(row);
            page.cursor = QString::number(q.value(5).toLongLong());
        });
    return ok ? std::optional<Page>(page) : std::nullopt;
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
