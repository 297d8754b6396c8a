#pragma once

#include "reconciliation.h"
#include "sqlrunner.h"
#include "synctable.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// The reconciliations table: one row per completed reconciliation of an account. Rows leave the
// lists only with their account (no single-row delete).
class ReconciliationRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReconciliationRepository)

public:
    explicit ReconciliationRepository(Database *database, QObject *parent = nullptr);

    QList<Reconciliation> findByAccount(const QString &accountId) const;
    std::optional<Reconciliation> findById(const QString &id) const;
    std::optional<Reconciliation> latestForAccount(const QString &accountId) const;
    QList<Reconciliation> findPending() const;

    // Unset creation and update times are stored as now.
    bool insert(const Reconciliation &reconciliation);
    bool update(const Reconciliation &reconciliation);
    // One reconciliation, for a deletion that arrives from another device.
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId, bool *ok = nullptr);
    int restoreByAccount(const QString &accountId, const QString &deletedSince, bool *ok = nullptr);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

signals:
    void reconciliationsChanged();

private:
    bool notify(bool ok);

    SqlRunner m_sql;
    SyncTable m_table;
};
