#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

// The floor under our storage layer: the same statement through SQLite's C API on its own
// read-only connection, stepping every row and touching every column.
class RawSqlite
{
public:
    explicit RawSqlite(const QString &path);
    ~RawSqlite();
    RawSqlite(const RawSqlite &) = delete;
    RawSqlite &operator=(const RawSqlite &) = delete;

    // Returns the number of rows.
    int run(const QString &sql, const QStringList &textBinds) const;

private:
    sqlite3 *m_db = nullptr;
};
