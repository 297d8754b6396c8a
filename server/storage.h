#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QThread>
#include <QVariantList>

#include <functional>
#include <optional>

// The server's one database connection: an SQLite file in the data directory, or PostgreSQL named
// by a postgresql:// URL. Every statement the server runs is written in the subset both accept
// (TEXT and INTEGER columns, "?" placeholders, timestamps as ISO 8601 text), so there is one code
// path for both.
class Storage
{
public:
    Storage();
    ~Storage();
    Storage(const Storage &) = delete;
    Storage &operator=(const Storage &) = delete;

    // Opens the database and brings its schema up to date. On failure `error` says why.
    bool open(const QString &dataDir, const QString &databaseUrl, QString *error);
    bool isPostgres() const { return m_postgres; }
    // The connection of the calling thread: the one opened by open() on its own thread, a copy
    // of it (opened on first use) on any other, such as the worker that checks passwords.
    QSqlDatabase database() const;

    // Runs one statement with its values bound in order; false (and a logged warning naming
    // `what`) when it fails.
    bool exec(const QString &sql, const QVariantList &values, const char *what,
              int *rowsAffected = nullptr) const;
    // Runs a query and hands each row to `row`; false when the query fails.
    bool select(const QString &sql, const QVariantList &values, const char *what,
                const std::function<void(const QSqlQuery &)> &row) const;
    // Runs `work` inside one transaction, committed when it answers true.
    bool transaction(const std::function<bool()> &work) const;

    static QString now();

private:
    bool openPostgres(const QString &url, QString *error);
    bool openSqlite(const QString &dataDir, QString *error);

    static void configure(QSqlDatabase &db);

    QString m_connection;
    QThread *m_thread;
    bool m_postgres = false;
};
