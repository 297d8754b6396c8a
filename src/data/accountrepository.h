#pragma once

#include "account.h"
#include "sqlrunner.h"
#include "synctable.h"

#include <QList>
#include <QObject>
#include <QPair>

#include <optional>

class Database;

// The accounts table: the sidebar's list, soft deletion and restore, and the sync bookkeeping.
class AccountRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountRepository)

public:
    explicit AccountRepository(Database *database, QObject *parent = nullptr);

    QList<Account> findAll() const;
    std::optional<Account> findById(const QString &id) const;
    QList<Account> findDeleted() const;
    QList<Account> findPending() const;

    bool insert(const Account &account);
    bool update(const Account &account);
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    // All or nothing: every pair (id, sort order) is written in one transaction.
    bool updateSortOrders(const QList<QPair<QString, int>> &orders);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

signals:
    void accountsChanged();

private:
    bool notify(bool ok);

    SqlRunner m_sql;
    SyncTable m_table;
};
