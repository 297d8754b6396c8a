#include "account/syncpayload.h"

#include "data/currency.h"

namespace {

QString text(const QJsonObject &row, const char *key)
{
    return row.value(QLatin1String(key)).toString();
}

qint64 cents(const QJsonObject &row, const char *key)
{
    const QJsonValue value = row.value(QLatin1String(key));
    return value.isDouble() ? value.toInteger() : 0;
}

int flagNumber(bool value)
{
    return value ? 1 : 0;
}

QString isoDate(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString(QLatin1String(""));
}

QString isoTime(const QDateTime &time)
{
    return time.isValid() ? time.toString(Qt::ISODate) : QString(QLatin1String(""));
}

QDateTime timestamp(const QJsonObject &row, const char *key)
{
    return QDateTime::fromString(text(row, key), Qt::ISODate);
}

} // namespace

QJsonObject SyncPayload::change(const QString &entityType, const QString &id, int version,
                                bool deleted, const QJsonObject &payload)
{
    return {
        {QStringLiteral("entity_type"), entityType},
        {QStringLiteral("entity_id"), id},
        {QStringLiteral("action"), deleted ? QStringLiteral("delete") : QStringLiteral("upsert")},
        {QStringLiteral("version"), version},
        {QStringLiteral("payload"), payload}};
}

template <typename Record>
void SyncPayload::encodeSync(QJsonObject &payload, const Record &record, bool withVersion)
{
    payload.insert(QStringLiteral("client_id"), record.id);
    if (!record.serverId.isEmpty()) {
        payload.insert(QStringLiteral("server_id"), record.serverId);
    }
    if (withVersion) {
        payload.insert(QStringLiteral("version"), record.version);
    }
    payload.insert(QStringLiteral("created_at"), isoTime(record.createdAt));
    payload.insert(QStringLiteral("updated_at"), isoTime(record.updatedAt));
    if (record.deletedAt) {
        payload.insert(QStringLiteral("deleted_at"), isoTime(*record.deletedAt));
    }
}

template <typename Record>
void SyncPayload::decodeSync(const QJsonObject &row, Record &record)
{
    record.serverId = text(row, "id");
    record.version = row.value(QStringLiteral("version")).toInt();
    record.syncStatus = SyncStatus::Synced;
    record.createdAt = timestamp(row, "created_at");
    record.updatedAt = timestamp(row, "updated_at");
    // The tables want both times; a row sent without them is taken as made now.
    if (!record.createdAt.isValid()) {
        record.createdAt = QDateTime::currentDateTimeUtc();
    }
    if (!record.updatedAt.isValid()) {
        record.updatedAt = record.createdAt;
    }
    record.deletedAt.reset();
    if (isDeleted(row)) {
        record.deletedAt = timestamp(row, "deleted_at");
    }
}

QJsonObject SyncPayload::encode(const Account &a)
{
    QJsonObject p{{QStringLiteral("name"), a.name},
                  {QStringLiteral("account_type"), accountTypeToText(a.type)},
                  {QStringLiteral("currency"), currencyToText(a.currency)},
                  {QStringLiteral("is_shared"), flagNumber(a.isShared)},
                  {QStringLiteral("institution"), a.institution},
                  {QStringLiteral("account_number_last4"), a.accountNumberLast4},
                  {QStringLiteral("starting_balance"), a.startingBalance},
                  {QStringLiteral("sort_order"), a.sortOrder}};
    encodeSync(p, a, true);
    return p;
}

QJsonObject SyncPayload::encode(const Category &c)
{
    QJsonObject p{{QStringLiteral("name"), c.name},
                  {QStringLiteral("category_type"), categoryTypeToText(c.type)},
                  {QStringLiteral("parent_id"), c.parentId},
                  {QStringLiteral("is_tax_relevant"), flagNumber(c.isTaxRelevant)},
                  {QStringLiteral("tax_category"), c.taxCategory},
                  {QStringLiteral("icon"), c.icon},
                  {QStringLiteral("color"), c.color},
                  {QStringLiteral("is_default"), flagNumber(c.isDefault)},
                  {QStringLiteral("account_id"), c.accountId}};
    encodeSync(p, c, true);
    return p;
}

QJsonObject SyncPayload::encode(const RecurringTransaction &r)
{
    QJsonObject p{{QStringLiteral("account_id"), r.accountId},
                  {QStringLiteral("payee"), r.payee},
                  {QStringLiteral("memo"), r.memo},
                  {QStringLiteral("amount"), r.amount},
                  {QStringLiteral("category_id"), r.categoryId},
                  {QStringLiteral("transfer_dest_account_id"), r.transferDestAccountId},
                  {QStringLiteral("frequency"), frequencyToText(r.frequency)},
                  {QStringLiteral("start_date"), isoDate(r.startDate)},
                  {QStringLiteral("next_due_date"), isoDate(r.nextDueDate)},
                  {QStringLiteral("auto_post"), flagNumber(r.autoPost)},
                  {QStringLiteral("is_active"), flagNumber(r.isActive)}};
    if (r.endDate) {
        p.insert(QStringLiteral("end_date"), isoDate(*r.endDate));
    }
    encodeSync(p, r, false);
    return p;
}

QJsonObject SyncPayload::encode(const Transaction &t)
{
    QJsonObject p{{QStringLiteral("account_id"), t.accountId},
                  {QStringLiteral("date"), isoDate(t.date)},
                  {QStringLiteral("payee"), t.payee},
                  {QStringLiteral("memo"), t.memo},
                  {QStringLiteral("amount"), t.amount},
                  {QStringLiteral("category_id"), t.categoryId},
                  {QStringLiteral("check_number"), t.checkNumber},
                  {QStringLiteral("cleared"), flagNumber(t.cleared)},
                  {QStringLiteral("reconciled"), flagNumber(t.reconciled)},
                  {QStringLiteral("transfer_link_id"), t.transferLinkId},
                  {QStringLiteral("transfer_dest_account_id"), t.transferDestAccountId},
                  {QStringLiteral("is_split"), flagNumber(t.isSplit)},
                  {QStringLiteral("recurring_id"), t.recurringId}};
    encodeSync(p, t, true);
    return p;
}

QJsonObject SyncPayload::encode(const Reconciliation &r)
{
    QJsonObject p{{QStringLiteral("account_id"), r.accountId},
                  {QStringLiteral("statement_date"), isoDate(r.statementDate)},
                  {QStringLiteral("statement_balance"), r.statementBalance},
                  {QStringLiteral("reconciled_balance"), r.reconciledBalance},
                  {QStringLiteral("completed_at"), isoTime(r.completedAt)}};
    encodeSync(p, r, true);
    return p;
}

void SyncPayload::decode(const QJsonObject &row, Account &a)
{
    a.name = text(row, "name");
    a.type = accountTypeFromText(text(row, "account_type"));
    a.currency = currencyFromText(text(row, "currency"));
    a.isShared = flag(row.value(QStringLiteral("is_shared")));
    a.institution = text(row, "institution");
    a.accountNumberLast4 = text(row, "account_number_last4");
    a.startingBalance = cents(row, "starting_balance");
    a.sortOrder = row.value(QStringLiteral("sort_order")).toInt();
    decodeSync(row, a);
}

void SyncPayload::decode(const QJsonObject &row, Category &c)
{
    c.name = text(row, "name");
    c.type = categoryTypeFromText(text(row, "category_type"));
    c.parentId = text(row, "parent_id");
    c.isTaxRelevant = flag(row.value(QStringLiteral("is_tax_relevant")));
    c.taxCategory = text(row, "tax_category");
    c.icon = text(row, "icon");
    c.color = text(row, "color");
    c.isDefault = flag(row.value(QStringLiteral("is_default")));
    c.accountId = text(row, "account_id");
    decodeSync(row, c);
}

void SyncPayload::decode(const QJsonObject &row, RecurringTransaction &r)
{
    r.accountId = text(row, "account_id");
    r.payee = text(row, "payee");
    r.memo = text(row, "memo");
    r.amount = cents(row, "amount");
    r.categoryId = text(row, "category_id");
    r.transferDestAccountId = text(row, "transfer_dest_account_id");
    r.frequency = frequencyFromText(text(row, "frequency"));
    r.startDate = date(row.value(QStringLiteral("start_date")));
    r.endDate.reset();
    if (!text(row, "end_date").isEmpty()) {
        r.endDate = date(row.value(QStringLiteral("end_date")));
    }
    r.nextDueDate = date(row.value(QStringLiteral("next_due_date")));
    r.autoPost = flag(row.value(QStringLiteral("auto_post")));
    r.isActive = flag(row.value(QStringLiteral("is_active")));
    decodeSync(row, r);
}

void SyncPayload::decode(const QJsonObject &row, Transaction &t)
{
    t.accountId = text(row, "account_id");
    t.date = date(row.value(QStringLiteral("date")));
    t.payee = text(row, "payee");
    t.memo = text(row, "memo");
    t.amount = cents(row, "amount");
    t.categoryId = text(row, "category_id");
    t.checkNumber = text(row, "check_number");
    t.cleared = flag(row.value(QStringLiteral("cleared")));
    t.reconciled = flag(row.value(QStringLiteral("reconciled")));
    t.transferLinkId = text(row, "transfer_link_id");
    t.transferDestAccountId = text(row, "transfer_dest_account_id");
    t.isSplit = flag(row.value(QStringLiteral("is_split")));
    t.recurringId = text(row, "recurring_id");
    decodeSync(row, t);
}

void SyncPayload::decode(const QJsonObject &row, Reconciliation &r)
{
    r.accountId = text(row, "account_id");
    r.statementDate = date(row.value(QStringLiteral("statement_date")));
    r.statementBalance = cents(row, "statement_balance");
    r.reconciledBalance = cents(row, "reconciled_balance");
    decodeSync(row, r);
    // Every stored reconciliation has a completion time; one sent without it is taken as
    // completed when it was last changed.
    r.completedAt = timestamp(row, "completed_at");
    if (!r.completedAt.isValid()) {
        r.completedAt = r.updatedAt.isValid() ? r.updatedAt : r.createdAt;
    }
}

bool SyncPayload::flag(const QJsonValue &value)
{
    if (value.isBool()) {
        return value.toBool();
    }
    return value.isDouble() && value.toDouble() != 0.0;
}

QDate SyncPayload::date(const QJsonValue &value)
{
    const QString text = value.toString();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() || text.isEmpty()) {
        return date;
    }
    return QDateTime::fromString(text, Qt::ISODate).date();
}

bool SyncPayload::isDeleted(const QJsonObject &row)
{
    return !text(row, "deleted_at").isEmpty();
}
