#pragma once

#include "syncstatus.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

enum class Frequency
{
    Daily = 0,
    Weekly = 1,
    Biweekly = 2,
    Monthly = 3,
    Quarterly = 4,
    SemiAnnual = 5,
    Annual = 6
};

QString frequencyToText(Frequency frequency);
Frequency frequencyFromText(const QString &text);

// A scheduled payment or deposit, posted when due; a transfer when transferDestAccountId is set.
struct RecurringTransaction
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    std::optional<QDate> endDate;
    QDate nextDueDate;
    bool autoPost = false;
    bool isActive = true;
    QString transferDestAccountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
