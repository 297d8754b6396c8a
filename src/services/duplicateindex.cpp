#include "duplicateindex.h"

#include "data/database.h"
#include "data/datetimes.h"

#include <QSqlQuery>

#include <memory>

DuplicateIndex::DuplicateIndex(Database *database, const QString &accountId)
    : m_database(database)
    , m_accountId(accountId)
{
}

quint64 DuplicateIndex::hash(const QDate &date, qint64 amount, const QString &payee)
{
    // Two seeds give the two halves, so that a match is rare enough to confirm each one.
    const quint64 high = qHashMulti(0x9e3779b9U, date.toJulianDay(), amount, payee);
    const quint64 low = qHashMulti(0x85ebca6bU, payee, amount, date.toJulianDay());
    return (high << 32) ^ low;
}

bool DuplicateIndex::load()
{
    bool ok = false;
    const std::shared_ptr<QSqlQuery> query = m_database->prepared(
        QStringLiteral("SELECT date, amount, payee FROM transactions WHERE account_id = ? AND "
                       "deleted_at IS NULL"),
        &ok);
    query->bindValue(0, m_accountId);
    if (!ok || !query->exec()) {
        m_database->noteFailure(query->lastError());
        return false;
    }
    while (query->next()) {
        m_hashes.insert(hash(DateTimes::dateFromText(query->value(0).toString()),
                             query->value(1).toLongLong(), query->value(2).toString()));
    }
    const bool read = !query->lastError().isValid();
    if (!read) {
        m_database->noteFailure(query->lastError());
    }
    query->finish();
    return read;
}

bool DuplicateIndex::contains(const QDate &date, qint64 amount, const QString &payee) const
{
    return m_hashes.contains(hash(date, amount, payee)) && isStored(date, amount, payee);
}

void DuplicateIndex::insert(const QDate &date, qint64 amount, const QString &payee)
{
    m_hashes.insert(hash(date, amount, payee));
}

bool DuplicateIndex::isStored(const QDate &date, qint64 amount, const QString &payee) const
{
    bool ok = false;
    const std::shared_ptr<QSqlQuery> query = m_database->prepared(
        QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? AND date = ? AND amount = "
                       "? AND payee = ? AND deleted_at IS NULL LIMIT 1"),
        &ok);
    query->bindValue(0, m_accountId);
    query->bindValue(1, DateTimes::dateToText(date));
    query->bindValue(2, amount);
    // The importer stores a missing payee as the empty text, never as NULL.
    query->bindValue(3, payee.isNull() ? QStringLiteral("") : payee);
    const bool stored = ok && query->exec() && query->next();
    query->finish();
    return stored;
}
