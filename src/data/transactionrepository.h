#pragma once

#include "registerkey.h"
#include "registerrow.h"
#include "searchfilter.h"
#include "sqlrunner.h"
#include "synctable.h"
#include "transaction.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class Database;

// The transactions table: register lines with running balances, reconciliation candidates,
// full-text search, payee completion, soft deletion and the sync bookkeeping.
class TransactionRepository final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransactionRepository)

public:
    static constexpr int kSearchLimit = 200;

    explicit TransactionRepository(Database *database, QObject *parent = nullptr);

    QList<Transaction> findByAccount(const QString &accountId) const;
    std::optional<Transaction> findById(const QString &id) const;
    QList<Transaction> findPending() const;
    // Oldest first, with running balances; a synthetic "Opening Balance" line leads when the
    // account has a starting balance.
    QList<RegisterRow> registerRows(const QString &accountId) const;
    // The register read a block at a time. The synthetic "Opening Balance" line of an account
    // stored with a starting balance, else nothing.
    std::optional<RegisterRow> openingLine(const QString &accountId) const;
    // The live lines of the account, counted and added up from the account index alone.
    RegisterTotals registerTotals(const QString &accountId) const;
    // Answered from the account index alone (no table rows read), so the heading costs no more
    // than the count does on a large account.
    RegisterBalances registerBalances(const QString &accountId, const QDate &today) const;
    // The same for the lines dated from `from` (inclusive) to `before` (exclusive); an invalid
    // date leaves that side open. A range of recent dates reads only their part of the index.
    RegisterBalances registerBalancesBetween(const QString &accountId, const QDate &today,
                                             const QDate &from, const QDate &before) const;
    // Keys of the account's live lines, found by walking the account index from a known line:
    // `skip` lines on from `from` (inclusive), or `skip` + 1 lines back from `before`
    // (exclusive; no key = from the end). Empty when the walk leaves the account. A key with
    // an empty date stands before every line.
    std::optional<RegisterKey> registerKeyAfter(const QString &accountId, const RegisterKey &from,
                                                int skip) const;
    std::optional<RegisterKey> registerKeyBefore(const QString &accountId,
                                                 const std::optional<RegisterKey> &before,
                                                 int skip) const;
    // The amounts, or the number, of the live lines from `from` (inclusive) up to `to`
    // (exclusive; no key, or a key with an empty date, = to the end), from the account index
    // alone.
    qint64 registerSum(const QString &accountId, const RegisterKey &from,
                       const std::optional<RegisterKey> &to) const;
    int registerCount(const QString &accountId, const RegisterKey &from,
                      const RegisterKey &to) const;
    // The lines from `from` (inclusive) to the end, counted and added up from the account index:
    // after a change, the register counts again only from the change on.
    RegisterTotals registerTotalsFrom(const QString &accountId, const RegisterKey &from) const;
    // Changes with every commit that another connection (another process) makes to the file, so
    // that what was read before can tell whether it still stands.
    qint64 dataVersion() const;
    // Up to `limit` lines in register order from `from` on (inclusive), running balances 0,
    // and the key of the line after them.
    RegisterStretch registerRowsFrom(const QString &accountId, const RegisterKey &from,
                                     int limit) const;
    // The register key of a live line of this account.
    std::optional<RegisterKey> registerKeyOf(const QString &accountId, const QString &id) const;
    QList<Transaction> findUnreconciled(const QString &accountId) const;
    // The same lines read a stretch at a time, walked in the unreconciled index alone (in the
    // order findUnreconciled gives), like the register walks above.
    CandidateTotals candidateTotals(const QString &accountId) const;
    // The key `skip` candidates on from `from` (inclusive), or with `back` `skip` + 1 candidates
    // back from `from` (exclusive; a key with an empty date = from the end).
    std::optional<RegisterKey> candidateKey(const QString &accountId, const RegisterKey &from,
                                            int skip, bool back) const;
    CandidateStretch candidatesFrom(const QString &accountId, const RegisterKey &from,
                                    int limit) const;
    // Every candidate's id and stored cleared flag, in order: what finishing a reconciliation
    // needs of the lines nobody scrolled to.
    QList<std::pair<QString, bool>> candidateFlags(const QString &accountId) const;
    // The date of the newest reconciled line (invalid when there is none).
    QDate latestReconciledDate(const QString &accountId) const;
    // The reconciled lines of the account, added up, and the latest of their dates (invalid
    // when there is none). Reads the rows themselves (the reconciled flag is in no index): the
    // reconcile window uses latestReconciledDate and the index sums instead.
    ReconciledTotals reconciledTotals(const QString &accountId) const;
    // `text` goes to FTS5 unchanged; an empty text searches by the filter alone. Newest first,
    // at most kSearchLimit rows, running balances 0.
    QList<RegisterRow> search(const QString &text, const SearchFilter &filter) const;
    QStringList distinctPayees() const;
    // Sum of the live transactions of every account (without starting balances), by account id.
    QHash<QString, qint64> balancesByAccount() const;
    std::optional<Transaction> latestByPayee(const QString &payee, const QString &accountId) const;

    bool insert(const Transaction &transaction);
    // Never moves a row to another account nor changes its creation time.
    bool update(const Transaction &transaction);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId, bool *ok = nullptr);
    // Brings back the rows deleted at or after `deletedSince` (the account's own deletion time),
    // so rows deleted before the account stay deleted.
    int restoreByAccount(const QString &accountId, const QString &deletedSince, bool *ok = nullptr);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();
    // Every live transaction paid to `from` is paid to `to` instead; returns the rows changed.
    int renamePayee(const QString &from, const QString &to, bool *ok = nullptr);

signals:
    void transactionsChanged(const QString &accountId);

private:
    bool notify(bool ok, const QString &accountId);
    qint64 startingBalance(const QString &accountId) const;
    QDate earliestDate(const QString &accountId) const;

    SqlRunner m_sql;
    SyncTable m_table;
};
