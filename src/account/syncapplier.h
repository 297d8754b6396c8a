#pragma once

#include "account/syncrepositories.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <initializer_list>

// Writes pulled rows into the local tables, one entity type at a time. A row is matched to its
// local row by client id, then by server id; a received version at least the local one
// overwrites it (ties go to the server), a lower one is ignored; a deletion of a row unknown
// here is not inserted, a deletion of a known live row soft-deletes it (and leaves it pending,
// so the deletion is echoed on the next push). Rows with an impossible date, or with money beyond
// what the program stores, are skipped.
class SyncApplier
{
public:
    struct Counts
    {
        int applied = 0;   // inserted or overwritten
        int ignored = 0;   // older than the local row, or a deletion of an unknown row
        int skipped = 0;   // broken date, or money beyond what is stored
        int deletions = 0; // local live rows soft-deleted
    };

    explicit SyncApplier(const SyncRepositories &repositories)
        : m_repos(repositories)
    {
    }

    void applyAccount(const QJsonObject &row);
    void applyCategory(const QJsonObject &row);
    void applyRecurring(const QJsonObject &row);
    void applyTransactionChange(const QJsonObject &row);
    void applyReconciliation(const QJsonObject &row);

    // The local id of the row the server knows as `serverId`, empty when none.
    QString lookupLocalIdByServerId(const QString &table, const QString &serverId) const;

    const Counts &counts() const { return m_counts; }

private:
    template <typename Record, typename Repository>
    void apply(Repository *repository, const QString &table, const QJsonObject &row);
    // True (and logged, and counted) when one of the row's money values cannot be stored.
    bool refuseAmounts(const char *applier, const QJsonObject &row,
                       std::initializer_list<const char *> keys);
    template <typename Repository>
    QString resolveId(Repository *repository, const QString &table, const QJsonObject &row);

    SyncRepositories m_repos;
    Counts m_counts;
};
