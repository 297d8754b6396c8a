#include "rawsqlite.h"

#include <sqlite3.h>

RawSqlite::RawSqlite(const QString &path)
{
    sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
}

RawSqlite::~RawSqlite()
{
    sqlite3_close(m_db);
}

int RawSqlite::run(const QString &sql, const QStringList &textBinds) const
{
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        qFatal("raw prepare failed: %s", sqlite3_errmsg(m_db));
    }
    for (int i = 0; i < textBinds.size(); ++i) {
        const QByteArray value = textBinds[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    int rows = 0;
    volatile size_t touched = 0;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER) {
                touched = touched + size_t(sqlite3_column_int64(stmt, c));
            } else {
                touched = touched + size_t(sqlite3_column_bytes(stmt, c));
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    return rows;
}
