#pragma once

#include <QDateTime>
#include <QString>

// One part of a split transaction; the transaction carries the total.
struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
