#pragma once

#include <QString>

// Where a row stands with the sync server.
enum class SyncStatus
{
    Pending = 0,
    Synced = 1,
    Conflict = 2
};

QString syncStatusToText(SyncStatus status);
SyncStatus syncStatusFromText(const QString &text);
