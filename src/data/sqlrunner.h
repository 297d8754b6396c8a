#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

#include <functional>
#include <memory>
#include <optional>

class Database;

// The mechanics every repository shares: prepare one statement with positional placeholders, bind
// the values in order, run it, and on a failed write log "<failure text> <driver error>".
class SqlRunner
{
public:
    // Holds the Database, not a connection handle, so that nothing keeps the connection in use
    // once the Database closes it.
    explicit SqlRunner(Database *database)
        : m_database(database)
    {
    }

    QSqlDatabase database() const;
    // The last statement that failed (see Database::lastFailure).
    QSqlError lastFailure() const;

    // The statement's prepared query, bound and executed; `ok` tells whether it ran. A SELECT
    // must be finished by the caller once read (list() and one() do it).
    std::shared_ptr<QSqlQuery> run(const QString &sql, const QVariantList &values, bool *ok) const;

    // Runs a write. `failureText` (for example "AccountRepository::insert failed:") is logged with
    // the driver's error when it fails; pass nullptr for writes that fail silently.
    bool write(const QString &sql, const QVariantList &values, const char *failureText) const;
    // Runs a write and returns the number of rows it changed; 0 when it failed (and `ok`, when
    // given, tells which).
    int writeCount(const QString &sql, const QVariantList &values, const char *failureText,
                   bool *ok = nullptr) const;

    template <typename Map>
    auto list(const QString &sql, const QVariantList &values, Map map) const
        -> QList<decltype(map(std::declval<const QSqlQuery &>()))>
    {
        QList<decltype(map(std::declval<const QSqlQuery &>()))> result;
        bool ok = false;
        const std::shared_ptr<QSqlQuery> query = run(sql, values, &ok);
        while (ok && query->next()) {
            result.append(map(*query));
        }
        noteRead(*query);
        query->finish();
        return result;
    }

    template <typename Map>
    auto one(const QString &sql, const QVariantList &values, Map map) const
        -> std::optional<decltype(map(std::declval<const QSqlQuery &>()))>
    {
        bool ok = false;
        const std::shared_ptr<QSqlQuery> query = run(sql, values, &ok);
        std::optional<decltype(map(std::declval<const QSqlQuery &>()))> result;
        if (ok && query->next()) {
            result = map(*query);
        }
        noteRead(*query);
        query->finish();
        return result;
    }

    // Runs `body` inside one database transaction (see Database::inTransaction).
    bool inTransaction(const std::function<bool()> &body) const;

private:
    // A read that failed is not an empty answer: the Database hears of it (see readFailure).
    void noteRead(const QSqlQuery &query) const;

    Database *m_database;
};

// Binding forms shared by the repositories.
namespace SqlValue {

// An empty text is stored as NULL (optional references such as category_id, parent_id).
QVariant nullIfEmpty(const QString &text);
QVariant boolean(bool value);

} // namespace SqlValue
