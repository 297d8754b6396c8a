#pragma once

#include "data/currency.h"
#include "qifrecords.h"

#include <QString>
#include <QStringList>

// Which CSV columns (0-based) hold what; -1 for an optional column that is absent.
struct CsvColumnMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    int depositColumn = -1;
    bool hasHeader = true;
    QString dateFormat = QStringLiteral("M/d/yyyy");
    // The target account's currency: amounts are read as its money (whole yen for JPY).
    Currency currency = Currency::USD;
};

// The counters an import reports. A file that cannot be opened gives all zeros. An import is one
// unit: when a write fails part-way nothing is stored, every counter is 0 and `error` says why.
struct ImportResult
{
    QString error;
    int imported = 0;
    int duplicates = 0;
    int unparseable = 0;
    int metadataSkipped = 0;
    int unmappedSkipped = 0;
};

// What a QIF file holds before it is imported: its accounts and how many transactions.
struct QifScan
{
    QStringList accounts;
    int transactions = 0;
    QList<QifTransaction> preview; // the first records as the import will read them
};
