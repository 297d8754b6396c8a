#pragma once

#include <QList>
#include <QObject>

class AccountRepository;
class Database;
class RecurringRepository;
class TransactionRepository;
struct RecurringTransaction;
enum class Frequency;

// Turns due recurring entries into transactions, one occurrence at a time, and takes entries with
// broken dates out of service instead of looping on them.
class RecurringService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecurringService)

public:
    static constexpr int kCatchUpLimit = 365;

    RecurringService(Database *database, RecurringRepository *recurring,
                     TransactionRepository *transactions, AccountRepository *accounts,
                     QObject *parent = nullptr);

    // A new entry (a new id when it has none, times now, version 1, pending).
    bool add(RecurringTransaction entry);
    bool edit(RecurringTransaction entry);
    bool remove(const QString &id);

    // The automatic pass at start-up: posts every due auto-post entry and catches up on missed
    // occurrences. Returns the number of transactions posted (a transfer counts once).
    int autoPostDue();
    // Posts the occurrence due on the entry's next due date and advances the entry.
    bool confirm(const QString &id);
    int confirmAllDue();
    // Advances the entry without posting.
    bool skip(const QString &id);
    int pendingCount() const;
    QList<RecurringTransaction> listAll() const;

    static QDate advance(const QDate &date, Frequency frequency);
    QString lastError() const { return m_lastError; }

signals:
    void pendingCountChanged(int count);
    // An entry was taken out of service because it can never post (a broken date, a transfer to
    // a deleted account); `payee` names it for the user.
    void entryDeactivated(const QString &id, const QString &payee);

private:
    bool post(const RecurringTransaction &entry);
    void advanceEntry(RecurringTransaction &entry) const;
    void quarantine(const QString &id, const char *reason);
    int catchUp(const QString &id);
    bool hasLiveDestination(const RecurringTransaction &entry) const;
    bool fail(const QString &message);

    Database *m_database;
    RecurringRepository *m_recurring;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    QString m_lastError;
};
