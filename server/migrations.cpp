#include "server/migrations.h"

#include "server/storage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

// Statements both SQLite and PostgreSQL accept as written. Timestamps are ISO 8601 UTC text.
const QList<QStringList> &steps()
{
    static const QList<QStringList> all = {
        {
            QStringLiteral("CREATE TABLE users (id TEXT PRIMARY KEY, email TEXT NOT NULL UNIQUE, "
                           "display_name TEXT NOT NULL DEFAULT '', username TEXT NOT NULL DEFAULT "
                           "'', avatar_url TEXT NOT NULL DEFAULT '', password_hash TEXT NOT NULL, "
                           "created_at TEXT NOT NULL)"),
            QStringLiteral("CREATE TABLE sessions (id TEXT PRIMARY KEY, user_id TEXT NOT NULL "
                           "REFERENCES users(id) ON DELETE CASCADE, user_agent TEXT NOT NULL "
                           "DEFAULT '', ip_address TEXT NOT NULL DEFAULT '', created_at TEXT NOT "
                           "NULL, last_active_at TEXT NOT NULL, revoked_at TEXT)"),
            QStringLiteral("CREATE INDEX sessions_user ON sessions (user_id)"),
            QStringLiteral("CREATE TABLE refresh_tokens (token_hash TEXT PRIMARY KEY, session_id "
                           "TEXT NOT NULL REFERENCES sessions(id) ON DELETE CASCADE, used INTEGER "
                           "NOT NULL DEFAULT 0, created_at TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX refresh_tokens_session ON refresh_tokens (session_id)"),
            QStringLiteral("CREATE TABLE devices (id TEXT PRIMARY KEY, user_id TEXT NOT NULL "
                           "REFERENCES users(id) ON DELETE CASCADE, device_name TEXT NOT NULL "
                           "DEFAULT '', platform TEXT NOT NULL DEFAULT '', app_id TEXT NOT NULL "
                           "DEFAULT '', app_version TEXT NOT NULL DEFAULT '', device_fingerprint "
                           "TEXT NOT NULL DEFAULT '', last_sync_at TEXT NOT NULL DEFAULT '', "
                           "created_at TEXT NOT NULL, UNIQUE (user_id, device_fingerprint))"),
        },
        {
            // Synced rows: the latest payload per user, entity type and client id.
            QStringLiteral("CREATE TABLE sync_rows (user_id TEXT NOT NULL REFERENCES users(id) "
                           "ON DELETE CASCADE, entity_type TEXT NOT NULL, client_id TEXT NOT "
                           "NULL, server_id TEXT NOT NULL UNIQUE, version INTEGER NOT NULL, "
                           "deleted INTEGER NOT NULL DEFAULT 0, payload TEXT NOT NULL, change_seq "
                           "BIGINT NOT NULL, updated_at TEXT NOT NULL, PRIMARY KEY (user_id, "
                           "entity_type, client_id))"),
            QStringLiteral("CREATE INDEX sync_rows_changes ON sync_rows (user_id, change_seq)"),
            QStringLiteral("CREATE TABLE sync_sequence (value BIGINT NOT NULL)"),
            QStringLiteral("INSERT INTO sync_sequence (value) VALUES (0)"),
        },
        {
            // Households: one group per user at most (the primary key of group_members).
            QStringLiteral(
                "CREATE TABLE user_groups (id TEXT PRIMARY KEY, name TEXT NOT NULL, owner_id "
                "TEXT NOT NULL REFERENCES users(id) ON DELETE CASCADE, max_seats "
                "INTEGER NOT NULL DEFAULT 6, created_at TEXT NOT NULL)"),
            QStringLiteral(
                "CREATE TABLE group_members (user_id TEXT PRIMARY KEY REFERENCES "
                "users(id) ON DELETE CASCADE, group_id TEXT NOT NULL REFERENCES "
                "user_groups(id) ON DELETE CASCADE, role TEXT NOT NULL, joined_at TEXT NOT "
                "NULL)"),
            QStringLiteral("CREATE INDEX group_members_group ON group_members (group_id)"),
            QStringLiteral(
                "CREATE TABLE group_invitations (id TEXT PRIMARY KEY, group_id TEXT NOT "
                "NULL REFERENCES user_groups(id) ON DELETE CASCADE, invited_email TEXT NOT "
                "NULL DEFAULT '', invite_code TEXT NOT NULL UNIQUE, status TEXT NOT "
                "NULL, created_at TEXT NOT NULL, expires_at TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX group_invitations_group ON group_invitations (group_id)"),
            // A share stays as a tombstone once revoked (revoked_seq > 0): the member's next pull
            // hands out the account's rows as deleted, and later pushes to them are refused.
            QStringLiteral("CREATE TABLE account_shares (owner_id TEXT NOT NULL REFERENCES "
                           "users(id) ON DELETE CASCADE, account_id TEXT NOT NULL, member_id TEXT "
                           "NOT NULL REFERENCES users(id) ON DELETE CASCADE, role TEXT NOT NULL, "
                           "created_at TEXT NOT NULL, granted_seq BIGINT NOT NULL, revoked_seq "
                           "BIGINT NOT NULL DEFAULT 0, PRIMARY KEY (owner_id, account_id, "
                           "member_id))"),
            QStringLiteral("CREATE INDEX account_shares_member ON account_shares (member_id)"),
            QStringLiteral("ALTER TABLE users ADD COLUMN deletion_due_at TEXT NOT NULL DEFAULT ''"),
            // The account a synced row belongs to (its own client id for an account row).
            QStringLiteral("ALTER TABLE sync_rows ADD COLUMN account_id TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("CREATE INDEX sync_rows_account ON sync_rows (user_id, account_id)"),
        },
    };
    return all;
}

// Fills sync_rows.account_id for the rows stored before the column existed. The payload is JSON
// text, which the two databases take apart differently, so this runs here rather than in SQL.
bool fillAccountIds(const Storage &storage)
{
    struct Row
    {
        QVariantList key;
        QString accountId;
    };
    QList<Row> rows;
    const bool read = storage.select(
        QStringLiteral("SELECT user_id, entity_type, client_id, payload FROM sync_rows WHERE "
                       "entity_type <> 'category'"),
        {}, "Migrations::fillAccountIds", [&](const QSqlQuery &q) {
            const QString type = q.value(1).toString();
            const QString accountId = type == QLatin1String("account")
                                          ? q.value(2).toString()
                                          : QJsonDocument::fromJson(q.value(3).toString().toUtf8())
                                                .object()
                                                .value(QStringLiteral("account_id"))
                                                .toString();
            rows.append({{q.value(0), q.value(1), q.value(2)}, accountId});
        });
    for (const Row &row : rows) {
        if (!read ||
            !storage.exec(QStringLiteral("UPDATE sync_rows SET account_id = ? WHERE "
                                         "user_id = ? AND entity_type = ? AND "
                                         "client_id = ?"),
                          QVariantList{row.accountId} + row.key, "Migrations::fillAccountIds")) {
            return false;
        }
    }
    return read;
}

bool afterStep(const Storage &storage, int version)
{
    return version == 3 ? fillAccountIds(storage) : true;
}

int currentVersion(const Storage &storage, bool *ok)
{
    *ok = storage.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version "
                                      "(version INTEGER NOT NULL)"),
                       {}, "Migrations::currentVersion");
    int version = 0;
    *ok = *ok && storage.select(QStringLiteral("SELECT MAX(version) FROM schema_version"), {},
                                "Migrations::currentVersion",
                                [&](const QSqlQuery &q) { version = q.value(0).toInt(); });
    return version;
}

} // namespace

namespace Migrations {

int latestVersion()
{
    return int(steps().size());
}

bool apply(const Storage &storage, QString *error)
{
    bool ok = false;
    const int from = currentVersion(storage, &ok);
    if (!ok) {
        *error = QStringLiteral("cannot read the schema version: %1")
                     .arg(storage.database().lastError().text());
        return false;
    }
    for (int version = from + 1; version <= latestVersion(); ++version) {
        const bool applied = storage.transaction([&] {
            for (const QString &sql : steps().at(version - 1)) {
                if (!storage.exec(sql, {}, "Migrations::apply")) {
                    return false;
                }
            }
            if (!afterStep(storage, version)) {
                return false;
            }
            return storage.exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"),
                                {version}, "Migrations::apply");
        });
        if (!applied) {
            *error = QStringLiteral("schema step %1 failed").arg(version);
            return false;
        }
    }
    return true;
}

} // namespace Migrations
