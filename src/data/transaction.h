#pragma once

#include "syncstatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// One line of an account. Amounts are cents, negative for a payment.
struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;        // id of the other leg of a transfer
    QString transferDestAccountId; // account of the other leg
    bool isSplit = false;
    QString recurringId; // recurring entry that posted it
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
