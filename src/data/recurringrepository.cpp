#include "recurringrepository.h"

#include "columnvalues.h"
#include "database.h"
#include "datalog.h"
#include "datetimes.h"
#include "synccolumns.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, "
    "next_due_date, auto_post, is_active, transfer_dest_account_id, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");

RecurringTransaction mapEntry(const QSqlQuery &q)
{
    RecurringTransaction r;
    r.id = q.value(0).toString();
    r.accountId = q.value(1).toString();
    r.payee = q.value(2).toString();
    r.memo = q.value(3).toString();
    r.amount = q.value(4).toLongLong();
    r.categoryId = q.value(5).toString();
    r.frequency = frequencyFromText(q.value(6).toString());
    r.startDate = DateTimes::dateFromText(q.value(7).toString());
    const QString endDate = q.value(8).toString();
    if (!endDate.isEmpty()) {
        r.endDate = DateTimes::dateFromText(endDate);
    }
    r.nextDueDate = DateTimes::dateFromText(q.value(9).toString());
    r.autoPost = ColumnValues::toBool(q.value(10));
    r.isActive = ColumnValues::toBool(q.value(11));
    r.transferDestAccountId = q.value(12).toString();
    SyncColumns::read(r, q, 13);
    return r;
}

QString select(const char *rest)
{
    return QStringLiteral("SELECT %1 FROM recurring_transactions ").arg(kColumns) +
           QLatin1String(rest);
}

// payee .. transfer_dest_account_id, then version, sync_status, server_id.
QVariantList contentValues(const RecurringTransaction &r)
{
    return QVariantList{r.payee,
                        r.memo,
                        r.amount,
                        SqlValue::nullIfEmpty(r.categoryId),
                        frequencyToText(r.frequency),
                        DateTimes::dateToText(r.startDate),
                        r.endDate ? QVariant(DateTimes::dateToText(*r.endDate))
                                  : QVariant(QMetaType::fromType<QString>()),
                        DateTimes::dateToText(r.nextDueDate),
                        SqlValue::boolean(r.autoPost),
                        SqlValue::boolean(r.isActive),
                        r.transferDestAccountId} +
           SyncColumns::state(r);
}

} // namespace

RecurringRepository::RecurringRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
    , m_table(m_sql, "recurring_transactions", "RecurringRepository")
{
}

bool RecurringRepository::notify(bool ok)
{
    if (ok) {
        emit recurringChanged();
    }
    return ok;
}

bool RecurringRepository::hasSaneNextDueDate(const RecurringTransaction &entry)
{
    return entry.nextDueDate.isValid() && entry.nextDueDate >= QDate(2000, 1, 1);
}

void RecurringRepository::warnIfBroken(const RecurringTransaction &r, const char *operation) const
{
    if (hasSaneNextDueDate(r)) {
        return;
    }
    qCWarning(lcData).noquote() << QByteArray("RecurringRepository::") + operation
                                << "saving recurring with broken nextDueDate:"
                                << "id=" << r.id << "payee=" << r.payee
                                << "nextDueDate=" << r.nextDueDate.toString(Qt::ISODate)
                                << "startDate=" << r.startDate.toString(Qt::ISODate)
                                << "frequency=" << frequencyToText(r.frequency);
}

QList<RecurringTransaction> RecurringRepository::findAll() const
{
    return m_sql.list(select("WHERE deleted_at IS NULL ORDER BY next_due_date"), {}, mapEntry);
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id) const
{
    return m_sql.one(select("WHERE id = ?"), {id}, mapEntry);
}

QList<RecurringTransaction> RecurringRepository::findDue(const QDate &asOf) const
{
    return m_sql.list(select("WHERE deleted_at IS NULL AND is_active = 1 AND next_due_date <= ?"),
                      {DateTimes::dateToText(asOf)}, mapEntry);
}

QList<RecurringTransaction> RecurringRepository::findPending() const
{
    return m_sql.list(select("WHERE sync_status = 'pending'"), {}, mapEntry);
}

bool RecurringRepository::insert(const RecurringTransaction &r)
{
    warnIfBroken(r, "insert");
    const QVariantList values = QVariantList{r.id, r.accountId} + contentValues(r) +
                                QVariantList{DateTimes::timestampToText(r.createdAt),
                                             DateTimes::timestampToText(r.updatedAt)};
    return notify(m_sql.write(
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, "
                       "category_id, frequency, start_date, end_date, next_due_date, auto_post, "
                       "is_active, transfer_dest_account_id, version, sync_status, server_id, "
                       "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?)"),
        values, "RecurringRepository::insert failed:"));
}

bool RecurringRepository::update(const RecurringTransaction &r)
{
    warnIfBroken(r, "update");
    const QVariantList values =
        contentValues(r) + QVariantList{DateTimes::timestampToText(r.updatedAt), r.id};
    return notify(m_sql.write(
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, "
                       "category_id=?, frequency=?, start_date=?, end_date=?, next_due_date=?, "
                       "auto_post=?, is_active=?, transfer_dest_account_id=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        values, "RecurringRepository::update failed:"));
}

bool RecurringRepository::softDelete(const QString &id)
{
    return notify(m_table.softDelete(id, false));
}

int RecurringRepository::softDeleteByAccount(const QString &accountId, bool *ok)
{
    const int changed = m_table.softDeleteByAccount(accountId, ok);
    notify(changed > 0);
    return changed;
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QString &deletedSince,
                                          bool *ok)
{
    const int changed = m_table.restoreByAccount(accountId, deletedSince, ok);
    notify(changed > 0);
    return changed;
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

int RecurringRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    notify(changed > 0);
    return changed;
}
