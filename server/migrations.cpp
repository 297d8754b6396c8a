#include "server/migrations.h"

#include "server/storage.h"

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
    };
    return all;
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
