#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QJsonObject>

// The wire form of the five synced records, both ways. Pushed payloads: texts as stored (empty,
// never null), money in cents, flags as 0/1, dates and timestamps in ISO 8601, `server_id` only
// when known and `deleted_at` only when deleted. Pulled rows are read tolerantly: missing values
// are empty or 0, flags may be JSON booleans or numbers, unknown enumeration texts fall back.
// Decoding leaves the record's id to the caller (which resolves it against the local rows).
class SyncPayload
{
public:
    static QJsonObject change(const QString &entityType, const QString &id, int version,
                              bool deleted, const QJsonObject &payload);

    static QJsonObject encode(const Account &account);
    static QJsonObject encode(const Category &category);
    static QJsonObject encode(const RecurringTransaction &entry);
    static QJsonObject encode(const Transaction &transaction);
    static QJsonObject encode(const Reconciliation &reconciliation);

    static void decode(const QJsonObject &row, Account &account);
    static void decode(const QJsonObject &row, Category &category);
    static void decode(const QJsonObject &row, RecurringTransaction &entry);
    static void decode(const QJsonObject &row, Transaction &transaction);
    static void decode(const QJsonObject &row, Reconciliation &reconciliation);

    // A flag: JSON true/false, or a number (non-zero is true); anything else is false.
    static bool flag(const QJsonValue &value);
    // An ISO date, or the date part of an ISO timestamp; invalid when neither.
    static QDate date(const QJsonValue &value);
    static bool isDeleted(const QJsonObject &row);

private:
    template <typename Record>
    static void encodeSync(QJsonObject &payload, const Record &record, bool withVersion);
    template <typename Record>
    static void decodeSync(const QJsonObject &row, Record &record);
};
