#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct QifSplit
{
    QString category;
    QString transferAccount;
    QString memo;
    qint64 amount = 0;
};

struct QifTransaction
{
    QDate date; // valid only when the D line could be read
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString category;
    QString transferAccount;
    QString number;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString account; // the QIF account it belongs to; empty when the file names none
};

struct QifCategory
{
    QString name;
    QString description;
    bool isIncome = false;
};

// How dates like 02/03/2024 are read.
enum class QifDateOrder
{
    Automatic = 0,
    MonthFirst = 1,
    DayFirst = 2
};

struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategory> categories;
    int unparseable = 0;     // transaction records without a valid date or amount
    int metadataSkipped = 0; // records in sections that are not imported
    QStringList accounts;    // QIF account names, first appearance order, no repeats
    QifDateOrder dateOrder = QifDateOrder::MonthFirst;
};
