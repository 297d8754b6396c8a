#pragma once

#include "recurringtransaction.h"
#include "sqlrunner.h"
#include "synctable.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// The recurring_transactions table. Every save is watched for a broken next due date, which is
// logged but never blocks the save (the posting service repairs such rows).
class RecurringRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecurringRepository)

public:
    explicit RecurringRepository(Database *database, QObject *parent = nullptr);

    QList<RecurringTransaction> findAll() const;
    std::optional<RecurringTransaction> findById(const QString &id) const;
    // Live, active entries due on or before `asOf`.
    QList<RecurringTransaction> findDue(const QDate &asOf) const;
    QList<RecurringTransaction> findPending() const;

    bool insert(const RecurringTransaction &entry);
    // Never moves an entry to another account.
    bool update(const RecurringTransaction &entry);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId, bool *ok = nullptr);
    int restoreByAccount(const QString &accountId, const QString &deletedSince, bool *ok = nullptr);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    // A next due date is sane when it is valid and not before 2000-01-01.
    static bool hasSaneNextDueDate(const RecurringTransaction &entry);

signals:
    void recurringChanged();

private:
    bool notify(bool ok);
    void warnIfBroken(const RecurringTransaction &entry, const char *operation) const;

    SqlRunner m_sql;
    SyncTable m_table;
};
