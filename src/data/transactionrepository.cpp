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

std::optional<RegisterRow> TransactionRepository::openingLine(const QString &accountId) const
{
    const qint64 balance = startingBalance(accountId);
    if (balance == 0) {
        return std::nullopt;
    }
    // Accounts stored with a starting balance (sample data, backups, pulled accounts) show it as
    // a first line that exists only in the register, never in the table.
    RegisterRow opening;
    opening.transaction.payee = QStringLiteral("Opening Balance");
    opening.transaction.amount = balance;
    opening.transaction.cleared = true;
    opening.transaction.reconciled = true;
    opening.transaction.date = earliestDate(accountId);
    opening.runningBalance = balance;
    return opening;
}

QList<RegisterRow> TransactionRepository::registerRows(const QString &accountId) const
{
    QList<RegisterRow> rows =
        m_sql.list(selectWithCategory("LEFT JOIN categories c ON t.category_id = c.id WHERE "
                                      "t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date "
                                      "ASC, t.created_at ASC"),
                   {accountId}, mapRow);
    const std::optional<RegisterRow> opening = openingLine(accountId);
    qint64 balance = opening ? opening->runningBalance : 0;
    for (RegisterRow &row : rows) {
        balance += row.transaction.amount;
        row.runningBalance = balance;
    }
    if (opening) {
        rows.prepend(*opening);
    }
    return rows;
}

RegisterTotals TransactionRepository::registerTotals(const QString &accountId) const
{
    return m_sql
        .one(QStringLiteral("SELECT COUNT(*), TOTAL(amount), TOTAL(CASE WHEN cleared THEN amount "
                            "END) FROM transactions WHERE account_id = ? AND deleted_at IS NULL"),
             {accountId},
             [](const QSqlQuery &q) {
                 return RegisterTotals{q.value(0).toInt(), qint64(q.value(1).toLongLong()),
                                       qint64(q.value(2).toLongLong())};
             })
        .value_or(RegisterTotals{});
}

RegisterBalances TransactionRepository::registerBalances(const QString &accountId,
                                                         const QDate &today) const
{
    return registerBalancesBetween(accountId, today, QDate(), QDate());
}

RegisterBalances TransactionRepository::registerBalancesBetween(const QString &accountId,
                                                                const QDate &today,
                                                                const QDate &from,
                                                                const QDate &before) const
{
    const QString day = DateTimes::dateToText(today);
    QString sql = QStringLiteral("SELECT COALESCE(SUM(CASE WHEN cleared THEN amount END), 0), "
                                 "COALESCE(SUM(CASE WHEN date <= ? THEN amount END), 0), "
                                 "COUNT(CASE WHEN date > ? THEN 1 END), TOTAL(amount) FROM "
                                 "transactions WHERE account_id = ? AND deleted_at IS NULL");
    QVariantList values{day, day, accountId};
    if (from.isValid()) {
        sql += QStringLiteral(" AND date >= ?");
        values << DateTimes::dateToText(from);
    }
    if (before.isValid()) {
        sql += QStringLiteral(" AND date < ?");
        values << DateTimes::dateToText(before);
    }
    return m_sql
        .one(sql, values,
             [](const QSqlQuery &q) {
                 return RegisterBalances{q.value(0).toLongLong(), q.value(1).toLongLong(),
                                         q.value(2).toInt() > 0, qint64(q.value(3).toLongLong())};
             })
        .value_or(RegisterBalances{});
}

namespace {

// The register order is the account index's own order: date, creation time, then the index's
// remaining columns (cleared, amount) and rowid, its hidden last key. The walks below name that
// order in full so that SQLite reads the index in place: ordering ties by anything else would
// make it sort every run of equal dates again, ten times slower. A known line is named by its
// rowid alone; SQLite reads its place in that order from the row itself.
const char *const kLive = "FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL";
const char *const kFrom =
    " AND (t.date, t.created_at, t.cleared, t.amount, t.rowid) >= (SELECT k.date, k.created_at, "
    "k.cleared, k.amount, k.rowid FROM transactions k WHERE k.rowid = ?)";
const char *const kBefore =
    " AND (t.date, t.created_at, t.cleared, t.amount, t.rowid) < (SELECT k.date, k.created_at, "
    "k.cleared, k.amount, k.rowid FROM transactions k WHERE k.rowid = ?)";
const char *const kOrder = " ORDER BY t.date, t.created_at, t.cleared, t.amount";
const char *const kReversed =
    " ORDER BY t.date DESC, t.created_at DESC, t.cleared DESC, t.amount DESC";

RegisterKey mapKey(const QSqlQuery &q)
{
    return RegisterKey{q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong()};
}

// The bound of a walk: none for the key before every line (an empty date).
void bound(QString &sql, QVariantList &values, const char *clause, const RegisterKey &key)
{
    if (!key.date.isEmpty()) {
        sql += QLatin1String(clause);
        values << key.rowid;
    }
}

} // namespace

std::optional<RegisterKey> TransactionRepository::registerKeyAfter(const QString &accountId,
                                                                   const RegisterKey &from,
                                                                   int skip) const
{
    QString sql = QStringLiteral("SELECT t.date, t.created_at, t.rowid ") + QLatin1String(kLive);
    QVariantList values{accountId};
    bound(sql, values, kFrom, from);
    sql += QLatin1String(kOrder) + QStringLiteral(" LIMIT 1 OFFSET ?");
    return m_sql.one(sql, values << skip, mapKey);
}

std::optional<RegisterKey>
TransactionRepository::registerKeyBefore(const QString &accountId,
                                         const std::optional<RegisterKey> &before, int skip) const
{
    QString sql = QStringLiteral("SELECT t.date, t.created_at, t.rowid ") + QLatin1String(kLive);
    QVariantList values{accountId};
    bound(sql, values, kBefore, before.value_or(RegisterKey{}));
    sql += QLatin1String(kReversed) + QStringLiteral(" LIMIT 1 OFFSET ?");
    return m_sql.one(sql, values << skip, mapKey);
}

qint64 TransactionRepository::registerSum(const QString &accountId, const RegisterKey &from,
                                          const std::optional<RegisterKey> &to) const
{
    QString sql = QStringLiteral("SELECT TOTAL(t.amount) ") + QLatin1String(kLive);
    QVariantList values{accountId};
    bound(sql, values, kFrom, from);
    bound(sql, values, kBefore, to.value_or(RegisterKey{}));
    return m_sql
        .one(sql, values, [](const QSqlQuery &q) { return qint64(q.value(0).toLongLong()); })
        .value_or(0);
}

int TransactionRepository::registerCount(const QString &accountId, const RegisterKey &from,
                                         const RegisterKey &to) const
{
    QString sql = QStringLiteral("SELECT COUNT(*) ") + QLatin1String(kLive);
    QVariantList values{accountId};
    bound(sql, values, kFrom, from);
    bound(sql, values, kBefore, to);
    return m_sql.one(sql, values, [](const QSqlQuery &q) { return q.value(0).toInt(); })
        .value_or(0);
}

RegisterTotals TransactionRepository::registerTotalsFrom(const QString &accountId,
                                                         const RegisterKey &from) const
{
    QString sql = QStringLiteral("SELECT COUNT(*), TOTAL(t.amount) ") + QLatin1String(kLive);
    QVariantList values{accountId};
    bound(sql, values, kFrom, from);
    return m_sql
        .one(sql, values,
             [](const QSqlQuery &q) {
                 return RegisterTotals{q.value(0).toInt(), qint64(q.value(1).toLongLong())};
             })
        .value_or(RegisterTotals{});
}

qint64 TransactionRepository::dataVersion() const
{
    return m_sql
        .one(QStringLiteral("PRAGMA data_version"), {},
             [](const QSqlQuery &q) { return q.value(0).toLongLong(); })
        .value_or(-1);
}

RegisterStretch TransactionRepository::registerRowsFrom(const QString &accountId,
                                                        const RegisterKey &from, int limit) const
{
    // One line more than asked for: its key is where the next stretch begins.
    RegisterStretch stretch;
    const QList<std::pair<RegisterRow, RegisterKey>> lines = m_sql.list(
        QStringLiteral("SELECT %1, c.name AS category_name, t.date, t.created_at, t.rowid FROM "
                       "transactions t LEFT JOIN categories c ON t.category_id = c.id WHERE "
                       "t.account_id = ? AND t.deleted_at IS NULL")
                .arg(kColumns) +
            (from.date.isEmpty() ? QString() : QString::fromLatin1(kFrom)) + QLatin1String(kOrder) +
            QStringLiteral(" LIMIT ?"),
        QVariantList{accountId} +
            (from.date.isEmpty() ? QVariantList() : QVariantList{from.rowid}) +
            QVariantList{limit + 1},
        [](const QSqlQuery &q) {
            return std::pair(mapRow(q), RegisterKey{q.value(kCategoryNameColumn + 1).toString(),
                                                    q.value(kCategoryNameColumn + 2).toString(),
                                                    q.value(kCategoryNameColumn + 3).toLongLong()});
        });
    stretch.rows.reserve(std::min<qsizetype>(limit, lines.size()));
    for (const auto &[row, key] : lines) {
        if (stretch.rows.size() < limit) {
            stretch.rows.append(row);
        } else {
            stretch.next = key;
        }
    }
    return stretch;
}

std::optional<RegisterKey> TransactionRepository::registerKeyOf(const QString &accountId,
                                                                const QString &id) const
{
    return m_sql.one(QStringLiteral("SELECT date, created_at, rowid FROM transactions WHERE id = "
                                    "? AND account_id = ? AND deleted_at IS NULL"),
                     {id, accountId}, [](const QSqlQuery &q) {
                         return RegisterKey{q.value(0).toString(), q.value(1).toString(),
                                            q.value(2).toLongLong()};
                     });
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString &accountId) const
{
    return m_sql.list(select("WHERE t.account_id = ? AND t.deleted_at IS NULL AND t.reconciled = "
                             "0 ORDER BY t.date ASC, t.created_at ASC"),
                      {accountId}, mapTransaction);
}

namespace {

// The candidates' walks read the unreconciled index, in the account index's order; the planner
// would take the account index and read every row of the account to test its flag.
QString candidateWalk(const QString &columns, QVariantList &values, const char *clause,
                      const RegisterKey &key, const char *order)
{
    QString sql = QStringLiteral("SELECT %1 FROM transactions t INDEXED BY "
                                 "idx_transactions_unreconciled WHERE t.account_id = ? AND "
                                 "t.deleted_at IS NULL AND t.reconciled = 0")
                      .arg(columns);
    bound(sql, values, clause, key);
    return sql + QLatin1String(order);
}

} // namespace

CandidateTotals TransactionRepository::candidateTotals(const QString &accountId) const
{
    QVariantList values{accountId};
    const QString sql = candidateWalk(
        QStringLiteral("COUNT(*), TOTAL(t.amount), TOTAL(CASE WHEN t.cleared AND t.amount >= 0 "
                       "THEN t.amount END), TOTAL(CASE WHEN t.cleared AND t.amount < 0 THEN "
                       "t.amount END)"),
        values, kFrom, RegisterKey{}, "");
    const auto map = [](const QSqlQuery &q) {
        return CandidateTotals{q.value(0).toInt(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                               q.value(3).toLongLong()};
    };
    return m_sql.one(sql, values, map).value_or(CandidateTotals{});
}

std::optional<RegisterKey> TransactionRepository::candidateKey(const QString &accountId,
                                                               const RegisterKey &from, int skip,
                                                               bool back) const
{
    QVariantList values{accountId};
    const QString sql = candidateWalk(QStringLiteral("t.date, t.created_at, t.rowid"), values,
                                      back ? kBefore : kFrom, from, back ? kReversed : kOrder);
    return m_sql.one(sql + QStringLiteral(" LIMIT 1 OFFSET ?"), values << skip, mapKey);
}

CandidateStretch TransactionRepository::candidatesFrom(const QString &accountId,
                                                       const RegisterKey &from, int limit) const
{
    QVariantList values{accountId};
    const QString sql = candidateWalk(kColumns + QStringLiteral(", t.date, t.created_at, t.rowid"),
                                      values, kFrom, from, kOrder);
    const auto map = [](const QSqlQuery &q) {
        RegisterKey key{q.value(20).toString(), q.value(21).toString(), q.value(22).toLongLong()};
        return std::pair(mapTransaction(q), key);
    };
    CandidateStretch stretch;
    // One line more than asked for: its key is where the next stretch begins.
    for (const auto &[line, key] : m_sql.list(sql + u" LIMIT ?", values << limit + 1, map)) {
        stretch.lines.size() < limit ? stretch.lines.append(line) : void(stretch.next = key);
    }
    return stretch;
}

QList<std::pair<QString, bool>>
TransactionRepository::candidateFlags(const QString &accountId) const
{
    QVariantList values{accountId};
    const QString sql =
        candidateWalk(QStringLiteral("t.id, t.cleared"), values, kFrom, RegisterKey{}, kOrder);
    return m_sql.list(sql, values, [](const QSqlQuery &q) {
        return std::pair(q.value(0).toString(), ColumnValues::toBool(q.value(1)));
    });
}

QDate TransactionRepository::latestReconciledDate(const QString &accountId) const
{
    // Walks back from the newest line and stops at the first reconciled one.
    const QString sql = QStringLiteral("SELECT t.date %1 AND t.reconciled = 1%2 LIMIT 1")
                            .arg(QLatin1String(kLive), QLatin1String(kReversed));
    const auto map = [](const QSqlQuery &q) {
        return DateTimes::dateFromText(q.value(0).toString());
    };
    return m_sql.one(sql, {accountId}, map).value_or(QDate());
}

ReconciledTotals TransactionRepository::reconciledTotals(const QString &accountId) const
{
    return m_sql
        .one(QStringLiteral("SELECT TOTAL(amount), MAX(date) FROM transactions WHERE account_id = "
                            "? AND deleted_at IS NULL AND reconciled = 1"),
             {accountId},
             [](const QSqlQuery &q) {
                 return ReconciledTotals{qint64(q.value(0).toLongLong()),
                                         DateTimes::dateFromText(q.value(1).toString())};
             })
        .value_or(ReconciledTotals{});
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
