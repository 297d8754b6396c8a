#include "deferredsearchindex.h"

#include "datalog.h"

#include <QSqlError>
#include <QSqlQuery>

DeferredSearchIndex::DeferredSearchIndex(const QSqlDatabase &db)
    : m_db(db)
{
}

DeferredSearchIndex::~DeferredSearchIndex()
{
    if (m_active) {
        finish();
    }
}

QString DeferredSearchIndex::insertTriggerSql()
{
    return QStringLiteral(
        "CREATE TRIGGER IF NOT EXISTS transactions_ai AFTER INSERT ON transactions BEGIN\n"
        "    INSERT INTO transactions_fts(rowid, payee, memo, check_number)\n"
        "    VALUES (new.rowid, new.payee, new.memo, new.check_number);\n"
        "END");
}

bool DeferredSearchIndex::exec(const QString &sql)
{
    QSqlQuery query(m_db);
    if (!query.exec(sql)) {
        m_lastError = query.lastError();
        qCWarning(lcData) << "DeferredSearchIndex failed:" << query.lastError().text();
        return false;
    }
    return true;
}

qint64 DeferredSearchIndex::maxRowid()
{
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM transactions")) &&
        query.next()) {
        return query.value(0).toLongLong();
    }
    return -1;
}

bool DeferredSearchIndex::begin()
{
    m_indexedUpTo = maxRowid();
    m_active = m_indexedUpTo >= 0 && exec(QStringLiteral("DROP TRIGGER transactions_ai"));
    return m_active;
}

bool DeferredSearchIndex::flush()
{
    if (!m_active) {
        return true;
    }
    const qint64 upTo = maxRowid();
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO transactions_fts(rowid, payee, memo, check_number) "
                                 "SELECT rowid, payee, memo, check_number FROM transactions WHERE "
                                 "rowid > ? AND rowid <= ?"));
    query.addBindValue(m_indexedUpTo);
    query.addBindValue(upTo);
    if (upTo < 0 || !query.exec()) {
        m_lastError = query.lastError();
        qCWarning(lcData) << "DeferredSearchIndex flush failed:" << query.lastError().text();
        return false;
    }
    m_indexedUpTo = upTo;
    return true;
}

bool DeferredSearchIndex::finish()
{
    if (!m_active) {
        return true;
    }
    const bool indexed = flush();
    m_active = false;
    return exec(insertTriggerSql()) && indexed;
}
