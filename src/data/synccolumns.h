#pragma once

#include "columnvalues.h"
#include "datetimes.h"
#include "syncstatus.h"

#include <QSqlQuery>
#include <QVariant>

// The sync and lifecycle columns stand together in every synced table:
// version, sync_status, server_id, created_at, updated_at, deleted_at.
namespace SyncColumns {

template <typename Record>
void read(Record &record, const QSqlQuery &query, int first)
{
    record.version = ColumnValues::toInt(query.value(first));
    record.syncStatus = syncStatusFromText(query.value(first + 1).toString());
    record.serverId = query.value(first + 2).toString();
    record.createdAt = DateTimes::timestampFromText(query.value(first + 3).toString());
    record.updatedAt = DateTimes::timestampFromText(query.value(first + 4).toString());
    record.deletedAt = DateTimes::optionalTimestampFromVariant(query.value(first + 5));
}

// version, sync_status, server_id: the values every insert and update writes in this order.
template <typename Record>
QVariantList state(const Record &record)
{
    return {record.version, syncStatusToText(record.syncStatus), record.serverId};
}

} // namespace SyncColumns
