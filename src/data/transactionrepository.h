#pragma once

#include "registerrow.h"
#include "searchfilter.h"
#include "sqlrunner.h"
#include "synctable.h"
#include "transaction.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class Database;

// The transactions table: register lines with running balances, reconciliation candidates,
// full-text search, payee completion, soft deletion and the sync bookkeeping.
class TransactionRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransactionRepository)

public:
    static constexpr int kSearchLimit = 200;

    explicit TransactionRepository(Database *database, QObject *parent = nullptr);

    QList<Transaction> findByAccount(const QString &accountId) const;
    std::optional<Transaction> findById(const QString &id) const;
    QList<Transaction> findPending() const;
    // Oldest first, with running balances; a synthetic "Opening Balance" line leads when the
    // account has a starting balance.
    QList<RegisterRow> registerRows(const QString &accountId) const;
    QList<Transaction> findUnreconciled(const QString &accountId) const;
    // `text` goes to FTS5 unchanged; an empty text searches by the filter alone. Newest first,
    // at most kSearchLimit rows, running balances 0.
    QList<RegisterRow> search(const QString &text, const SearchFilter &filter) const;
    QStringList distinctPayees() const;
    // Sum of the live transactions of every account (without starting balances), by account id.
    QHash<QString, qint64> balancesByAccount() const;
    std::optional<Transaction> latestByPayee(const QString &payee, const QString &accountId) const;

    bool insert(const Transaction &transaction);
    // Never moves a row to another account nor changes its creation time.
    bool update(const Transaction &transaction);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId, bool *ok = nullptr);
    // Brings back the rows deleted at or after `deletedSince` (the account's own deletion time),
    // so rows deleted before the account stay deleted.
    int restoreByAccount(const QString &accountId, const QString &deletedSince, bool *ok = nullptr);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();
    // Every live transaction paid to `from` is paid to `to` instead; returns the rows changed.
    int renamePayee(const QString &from, const QString &to, bool *ok = nullptr);

signals:
    void transactionsChanged(const QString &accountId);

private:
    bool notify(bool ok, const QString &accountId);
    qint64 startingBalance(const QString &accountId) const;
    QDate earliestDate(const QString &accountId) const;

    SqlRunner m_sql;
    SyncTable m_table;
};
