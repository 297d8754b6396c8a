#pragma once

#include "account/syncrepositories.h"
#include "data/synctable.h"

#include <QJsonArray>
#include <QString>

#include <vector>

// The pending rows of the five synced tables, read as push changes a batch at a time: accounts,
// categories, recurring rules, transactions, reconciliations, each table in its own row order.
// Only the batch being built is in memory (10,000 pending rows would otherwise sit in memory
// twice, as records and as JSON, for the whole push). The walk keeps its place by table and row,
// so the rows marked synced in between and those the server rejected are not read again in the
// same cycle; a row is read as it stands when its batch is built.
class SyncOutbox
{
public:
    explicit SyncOutbox(const SyncRepositories &repositories);

    // Back to the first pending row; answers how many rows are pending now.
    int restart();
    // The next changes, at most `limit`; empty once every pending row has been taken.
    QJsonArray next(int limit);

private:
    struct Source
    {
        QString entityType;
        SyncTable table;
    };

    // The change for one row of source `index`; empty when the row is gone.
    QJsonObject change(size_t index, const QString &id) const;

    SyncRepositories m_repos;
    std::vector<Source> m_sources;
    size_t m_source = 0;
    qint64 m_lastRowId = 0;
};
