#include "transactionrepository.h"

#include "columnvalues.h"
#include "database.h"
#include "datetimes.h"
#include "synccolumns.h"

namespace {

const QString kColumns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at");
constexpr int kCategoryNameColumn = 20;

Transaction mapTransaction(const QSqlQuery &q)
{
    Transaction t;
    t.id = q.value(0).toString();
    t.accountId = q.value(1).toString();
    t.date = DateTimes::dateFromText(q.value(2).toString());
    t.payee = q.value(3).toString();
    t.memo = q.value(4).toString();
    t.amount = q.value(5).toLongLong();
    t.categoryId = q.value(6).toString();
    t.checkNumber = q.value(7).toString();
    t.cleared = ColumnValues::toBool(q.value(8));
    t.reconciled = ColumnValues::toBool(q.value(9));
    t.transferLinkId = q.value(10).toString();
    t.transferDestAccountId = q.value(11).toString();
    t.isSplit = ColumnValues::toBool(q.value(12));
    t.recurringId = q.value(13).toString();
    SyncColumns::read(t, q, 14);
    return t;
}

RegisterRow mapRow(const QSqlQuery &q)
{
    return RegisterRow{mapTransaction(q), 0, q.value(kCategoryNameColumn).toString()};
}

QString select(const char *rest)
{
    return QStringLiteral("SELECT %1 FROM transactions t ").arg(kColumns) + QLatin1String(rest);
}

QString selectWithCategory(const char *rest)
{
    return QStringLiteral("SELECT %1, c.name AS category_name FROM transactions t ").arg(kColumns) +
           QLatin1String(rest);
}

// The values every insert and update writes between the account and the sync columns.
QVariantList contentValues(const Transaction &t)
{
    return {DateTimes::dateToText(t.date),
            t.payee,
            t.memo,
            t.amount,
            SqlValue::nullIfEmpty(t.categoryId),
            t.checkNumber,
            SqlValue::boolean(t.cleared),
            SqlValue::boolean(t.reconciled),
            t.transferLinkId,
            t.transferDestAccountId,
            SqlValue::boolean(t.isSplit),
            t.recurringId};
}

} // namespace

TransactionRepository::TransactionRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_sql(database)
    , m_table(m_sql, "transactions", "TransactionRepository")
{
}

bool TransactionRepository::notify(bool ok, const QString &accountId)
{
    if (ok) {
        emit transactionsChanged(accountId);
    }
    return ok;
}

QList<Transaction> TransactionRepository::findByAccount(const QString &accountId) const
{
    return m_sql.list(select("WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date "
                             "DESC, t.created_at DESC"),
                      {accountId}, mapTransaction);
}

std::optional<Transaction> TransactionRepository::findById(const QString &id) const
{
    return m_sql.one(select("WHERE t.id = ?"), {id}, mapTransaction);
}

QList<Transaction> TransactionRepository::findPending() const
{
    return m_sql.list(select("WHERE t.sync_status = 'pending'"), {}, mapTransaction);
}

qint64 TransactionRepository::startingBalance(const QString &accountId) const
{
    return m_sql
        .one(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"), {accountId},
             [](const QSqlQuery &q) { return q.value(0).toLongLong(); })
        .value_or(0);
}

QDate TransactionRepository::earliestDate(const QString &accountId) const
{
    const QDate date =
        m_sql
            .one(QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND "
                                "deleted_at IS NULL ORDER BY date ASC LIMIT 1"),
                 {accountId},
                 [](const QSqlQuery &q) { return DateTimes::dateFromText(q.value(0).toString()); })
            .value_or(QDate());
    return date.isValid() ? date : QDate::currentDate();
}

QList<RegisterRow> TransactionRepository::registerRows(const QString &accountId) const
{
    QList<RegisterRow> rows =
        m_sql.list(selectWithCategory("LEFT JOIN categories c ON t.category_id = c.id WHERE "
                                      "t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date "
                                      "ASC, t.created_at ASC"),
                   {accountId}, mapRow);
    qint64 balance = startingBalance(accountId);
    if (balance != 0) {
        // Accounts stored with a starting balance (sample data, backups, pulled accounts) show it
        // as a first line that exists only here, never in the table.
        RegisterRow opening;
        opening.transaction.payee = QStringLiteral("Opening Balance");
        opening.transaction.amount = balance;
        opening.transaction.cleared = true;
        opening.transaction.reconciled = true;
        opening.transaction.date = earliestDate(accountId);
        opening.runningBalance = balance;
        rows.prepend(opening);
    }
    for (auto it = rows.begin() + (balance != 0 ? 1 : 0); it != rows.end(); ++it) {
        balance += it->transaction.amount;
        it->runningBalance = balance;
    }
    return rows;
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString &accountId) const
{
    return m_sql.list(select("WHERE t.account_id = ? AND t.deleted_at IS NULL AND t.reconciled = "
                             "0 ORDER BY t.date ASC, t.created_at ASC"),
                      {accountId}, mapTransaction);
}

QList<RegisterRow> TransactionRepository::search(const QString &text,
                                                 const SearchFilter &filter) const
{
    // Rowid first: the matches are sorted and cut to the limit while each is only a rowid and
    // its sort keys, and the wide rows and category names are read for those few alone. The
    // same rows come back in the same order as from sorting the full rows.
    QString hits;
    QVariantList values;
    if (text.isEmpty()) {
        hits =
            QStringLiteral("SELECT t.rowid AS hit FROM transactions t WHERE t.deleted_at IS NULL");
    } else {
        hits = QStringLiteral("SELECT t.rowid AS hit FROM transactions t JOIN transactions_fts fts "
                              "ON fts.rowid = t.rowid WHERE t.deleted_at IS NULL AND "
                              "transactions_fts MATCH ?");
        values << text;
    }
    const auto restrict = [&](bool applies, const char *clause, const QVariant &value) {
        if (applies) {
            hits += QLatin1String(clause);
            values << value;
        }
    };
    restrict(!filter.accountId.isEmpty(), " AND t.account_id = ?", filter.accountId);
    restrict(!filter.categoryId.isEmpty(), " AND t.category_id = ?", filter.categoryId);
    restrict(filter.fromDate.isValid(), " AND t.date >= ?", DateTimes::dateToText(filter.fromDate));
    restrict(filter.toDate.isValid(), " AND t.date <= ?", DateTimes::dateToText(filter.toDate));
    restrict(filter.cleared.has_value(), " AND t.cleared = ?",
             SqlValue::boolean(filter.cleared.value_or(false)));
    const QString order = QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC");
    hits += order + QStringLiteral(" LIMIT %1").arg(kSearchLimit);
    const QString sql =
        QStringLiteral("SELECT %1, c.name AS category_name FROM (%2) hits JOIN transactions t ON "
                       "t.rowid = hits.hit LEFT JOIN categories c ON t.category_id = c.id")
            .arg(kColumns, hits) +
        order;
    // A MATCH text FTS5 cannot parse fails the query: the result is simply empty.
    return m_sql.list(sql, values, mapRow);
}

QStringList TransactionRepository::distinctPayees() const
{
    return m_sql.list(QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS "
                                     "NULL AND payee != '' ORDER BY payee"),
                      {}, [](const QSqlQuery &q) { return q.value(0).toString(); });
}

QHash<QString, qint64> TransactionRepository::balancesByAccount() const
{
    QHash<QString, qint64> sums;
    const auto rows = m_sql.list(
        // Answered from the account totals index alone, already in account order.
        QStringLiteral("SELECT account_id, SUM(amount) FROM transactions WHERE deleted_at IS NULL "
                       "GROUP BY account_id"),
        {}, [](const QSqlQuery &q) {
            return std::pair(q.value(0).toString(), q.value(1).toLongLong());
        });
    for (const auto &[account, sum] : rows) {
        sums.insert(account, sum);
    }
    return sums;
}

std::optional<Transaction> TransactionRepository::latestByPayee(const QString &payee,
                                                                const QString &accountId) const
{
    return m_sql.one(select("WHERE t.payee = ? AND t.account_id = ? AND t.deleted_at IS NULL "
                            "ORDER BY t.date DESC, t.created_at DESC LIMIT 1"),
                     {payee, accountId}, mapTransaction);
}

bool TransactionRepository::insert(const Transaction &t)
{
    const QVariantList values = QVariantList{t.id, t.accountId} + contentValues(t) +
                                SyncColumns::state(t) +
                                QVariantList{DateTimes::timestampToText(t.createdAt),
                                             DateTimes::timestampToText(t.updatedAt)};
    const bool ok = m_sql.write(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                       "category_id, check_number, cleared, reconciled, transfer_link_id, "
                       "transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
                       "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        values, "TransactionRepository::insert failed:");
    return notify(ok, t.accountId);
}

bool TransactionRepository::update(const Transaction &t)
{
    const QVariantList values = contentValues(t) + SyncColumns::state(t) +
                                QVariantList{DateTimes::timestampToText(t.updatedAt), t.id};
    const bool ok = m_sql.write(
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, "
                       "check_number=?, cleared=?, reconciled=?, transfer_link_id=?, "
                       "transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        values, "TransactionRepository::update failed:");
    return notify(ok, t.accountId);
}

bool TransactionRepository::softDelete(const QString &id)
{
    const std::optional<Transaction> row = findById(id);
    if (!row) {
        return false;
    }
    return notify(m_table.softDelete(id), row->accountId);
}

int TransactionRepository::softDeleteByAccount(const QString &accountId, bool *ok)
{
    const int changed = m_table.softDeleteByAccount(accountId, ok);
    notify(changed > 0, accountId);
    return changed;
}

int TransactionRepository::restoreByAccount(const QString &accountId, const QString &deletedSince,
                                            bool *ok)
{
    const int changed = m_table.restoreByAccount(accountId, deletedSince, ok);
    notify(changed > 0, accountId);
    return changed;
}

int TransactionRepository::renamePayee(const QString &from, const QString &to, bool *ok)
{
    // The update time is written in the program's own timestamp form, which backups ("keep
    // newer") and the sync compare; SQLite's datetime('now') text would not read back.
    const int changed = m_sql.writeCount(
        QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, sync_status = "
                       "'pending', version = version + 1 WHERE payee = ? AND deleted_at IS NULL"),
        {to, DateTimes::nowText(), from}, "TransactionRepository::renamePayee failed:", ok);
    notify(changed > 0, QString());
    return changed;
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

int TransactionRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    notify(changed > 0, QString());
    return changed;
}
