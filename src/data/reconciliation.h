#pragma once

#include "syncstatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One completed reconciliation of an account against a bank statement.
struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;  // the ending balance on the statement
    qint64 reconciledBalance = 0; // the balance of the reconciled transactions
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
