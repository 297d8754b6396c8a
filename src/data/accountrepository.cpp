#include "accountrepository.h"

#include "columnvalues.h"
#include "database.h"
#include "datetimes.h"
#include "synccolumns.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, "
    "sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");

Account mapAccount(const QSqlQuery &q)
{
    Account a;
    a.id = q.value(0).toString();
    a.name = q.value(1).toString();
    a.type = accountTypeFromText(q.value(2).toString());
    a.currency = currencyFromText(q.value(3).toString());
    a.institution = q.value(4).toString();
    a.accountNumberLast4 = q.value(5).toString();
    a.startingBalance = q.value(6).toLongLong();
    a.sortOrder = ColumnValues::toInt(q.value(7));
    a.isShared = ColumnValues::toBool(q.value(8));
    SyncColumns::read(a, q, 9);
    return a;
}

QString select(const char *rest)
{
    return QStringLiteral("SELECT %1 FROM accounts ").arg(kColumns) + QLatin1String(rest);
}

} // namespace

AccountRepository::AccountRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
    , m_table(m_sql, "accounts", "AccountRepository")
{
}

bool AccountRepository::notify(bool ok)
{
    if (ok) {
        emit accountsChanged();
    }
    return ok;
}

QList<Account> AccountRepository::findAll() const
{
    return m_sql.list(select("WHERE deleted_at IS NULL ORDER BY sort_order, name"), {}, mapAccount);
}

std::optional<Account> AccountRepository::findById(const QString &id) const
{
    return m_sql.one(select("WHERE id = ?"), {id}, mapAccount);
}

QList<Account> AccountRepository::findDeleted() const
{
    return m_sql.list(select("WHERE deleted_at IS NOT NULL ORDER BY name"), {}, mapAccount);
}

QList<Account> AccountRepository::findPending() const
{
    return m_sql.list(select("WHERE sync_status = 'pending'"), {}, mapAccount);
}

bool AccountRepository::insert(const Account &a)
{
    const QVariantList values = QVariantList{a.id,
                                             a.name,
                                             accountTypeToText(a.type),
                                             currencyToText(a.currency),
                                             a.institution,
                                             a.accountNumberLast4,
                                             a.startingBalance,
                                             a.sortOrder,
                                             SqlValue::boolean(a.isShared)} +
                                SyncColumns::state(a) +
                                QVariantList{DateTimes::timestampToText(a.createdAt),
                                             DateTimes::timestampToText(a.updatedAt)};
    return notify(m_sql.write(
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, "
                       "account_number_last4, starting_balance, sort_order, is_shared, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?)"),
        values, "AccountRepository::insert failed:"));
}

bool AccountRepository::update(const Account &a)
{
    const QVariantList values =
        QVariantList{a.name,        accountTypeToText(a.type),    currencyToText(a.currency),
                     a.institution, a.accountNumberLast4,         a.startingBalance,
                     a.sortOrder,   SqlValue::boolean(a.isShared)} +
        SyncColumns::state(a) + QVariantList{DateTimes::timestampToText(a.updatedAt), a.id};
    return notify(m_sql.write(
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, "
                       "version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        values, "AccountRepository::update failed:"));
}

bool AccountRepository::softDelete(const QString &id)
{
    return notify(m_table.softDelete(id));
}

bool AccountRepository::restore(const QString &id)
{
    const QString now = DateTimes::nowText();
    return notify(m_sql.write(
        QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', updated_at=?, "
                       "version = version + 1 WHERE id=?"),
        {now, id}, "AccountRepository::restore failed:"));
}

bool AccountRepository::updateSortOrders(const QList<QPair<QString, int>> &orders)
{
    const QString now = DateTimes::nowText();
    return notify(m_sql.inTransaction([&] {
        for (const auto &[id, order] : orders) {
            if (!m_sql.write(
                    QStringLiteral(
                        "UPDATE accounts SET sort_order=?, updated_at=?, sync_status='pending', "
                        "version = version + 1 WHERE id=? AND sort_order != ?"),
                    {order, now, id, order}, nullptr)) {
                return false;
            }
        }
        return true;
    }));
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

int AccountRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    notify(changed > 0);
    return changed;
}
