#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// Bulk inserts into transactions without indexing each row's text as it goes: inside an open
// database transaction, the insert trigger of the full-text index is set aside and the new rows
// are indexed in one statement at flush() and finish(), with exactly the entries the trigger
// would have made. FTS5 flushes its pending terms at every statement of a transaction, so
// row-by-row indexing costs several times the inserts themselves. If the transaction rolls back,
// the trigger comes back with it.
//
// Rows inserted while deferred must be flushed before they are updated or deleted.
class DeferredSearchIndex
{
public:
    explicit DeferredSearchIndex(const QSqlDatabase &db);
    ~DeferredSearchIndex();
    DeferredSearchIndex(const DeferredSearchIndex &) = delete;
    DeferredSearchIndex &operator=(const DeferredSearchIndex &) = delete;

    // Call inside an open transaction. False when the trigger could not be set aside (the rows
    // are then indexed by the trigger as usual).
    bool begin();
    // Indexes the rows inserted since begin() or the last flush().
    bool flush();
    // Indexes the remaining rows and restores the trigger. False means the index or the trigger
    // could not be written: roll the transaction back.
    bool finish();

    // Why the last statement failed (a full disk, say).
    QSqlError lastError() const { return m_lastError; }

    // The trigger exactly as the schema creates it.
    static QString insertTriggerSql();

private:
    bool exec(const QString &sql);
    qint64 maxRowid();

    QSqlDatabase m_db;
    QSqlError m_lastError;
    qint64 m_indexedUpTo = 0;
    bool m_active = false;
};
