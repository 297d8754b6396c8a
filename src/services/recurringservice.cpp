#include "recurringservice.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRecurring, "ledgerwell.recurring")

namespace {

Transaction leg(const RecurringTransaction &entry, bool counterpart)
{
    Transaction t;
    t.id = Identifiers::recurringPostingId(entry.id, entry.nextDueDate, counterpart);
    t.accountId = counterpart ? entry.transferDestAccountId : entry.accountId;
    t.date = entry.nextDueDate;
    t.payee = entry.payee;
    t.memo = entry.memo;
    t.amount = counterpart ? -entry.amount : entry.amount;
    t.categoryId = entry.categoryId;
    t.recurringId = entry.id;
    t.createdAt = DateTimes::nowUtc();
    t.updatedAt = t.createdAt;
    return t;
}

} // namespace

RecurringService::RecurringService(Database *database, RecurringRepository *recurring,
                                   TransactionRepository *transactions, AccountRepository *accounts,
                                   QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

bool RecurringService::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool RecurringService::add(RecurringTransaction entry)
{
    if (!isStorableAmount(entry.amount)) {
        return fail(tr("The amount is too large"));
    }
    if (entry.id.isEmpty()) {
        entry.id = Identifiers::newId();
    }
    entry.createdAt = DateTimes::nowUtc();
    entry.updatedAt = entry.createdAt;
    entry.version = 1;
    entry.syncStatus = SyncStatus::Pending;
    if (!m_recurring->insert(entry)) {
        return fail(Database::describe(m_database->lastFailure(),
                                       tr("The recurring transaction could not be saved")));
    }
    emit pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::edit(RecurringTransaction entry)
{
    if (!isStorableAmount(entry.amount)) {
        return fail(tr("The amount is too large"));
    }
    if (const auto stored = m_recurring->findById(entry.id)) {
        entry.version = stored->version + 1;
    }
    entry.updatedAt = DateTimes::nowUtc();
    entry.syncStatus = SyncStatus::Pending;
    if (!m_recurring->update(entry)) {
        return fail(Database::describe(m_database->lastFailure(),
                                       tr("The recurring transaction could not be saved")));
    }
    emit pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::remove(const QString &id)
{
    if (!m_recurring->softDelete(id)) {
        return fail(tr("The recurring transaction could not be deleted"));
    }
    emit pendingCountChanged(pendingCount());
    return true;
}

QDate RecurringService::advance(const QDate &date, Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return date.addDays(1);
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::Biweekly:
        return date.addDays(14);
    case Frequency::Quarterly:
        return date.addMonths(3);
    case Frequency::SemiAnnual:
        return date.addMonths(6);
    case Frequency::Annual:
        return date.addYears(1);
    case Frequency::Monthly:
        break;
    }
    return date.addMonths(1);
}

void RecurringService::advanceEntry(RecurringTransaction &entry) const
{
    entry.nextDueDate = advance(entry.nextDueDate, entry.frequency);
    entry.version += 1;
    entry.updatedAt = DateTimes::nowUtc();
    entry.syncStatus = SyncStatus::Pending;
    if (entry.endDate && entry.nextDueDate > *entry.endDate) {
        entry.isActive = false;
    }
}

bool RecurringService::post(const RecurringTransaction &entry)
{
    Transaction ordinary = leg(entry, false);
    if (entry.transferDestAccountId.isEmpty()) {
        return m_transactions->insert(ordinary);
    }
    Transaction counterpart = leg(entry, true);
    ordinary.transferLinkId = counterpart.id;
    ordinary.transferDestAccountId = entry.transferDestAccountId;
    counterpart.transferLinkId = ordinary.id;
    counterpart.transferDestAccountId = entry.accountId;
    return m_transactions->insert(ordinary) && m_transactions->insert(counterpart);
}

bool RecurringService::confirm(const QString &id)
{
    std::optional<RecurringTransaction> entry = m_recurring->findById(id);
    if (!entry) {
        return fail(tr("The recurring transaction no longer exists"));
    }
    if (!RecurringRepository::hasSaneNextDueDate(*entry)) {
        qCWarning(lcRecurring) << "RecurringService::confirm refusing record with broken date:"
                               << entry->id << entry->payee << entry->nextDueDate
                               << "— quarantining (deactivating)";
        entry->isActive = false;
        entry->version += 1;
        entry->updatedAt = DateTimes::nowUtc();
        entry->syncStatus = SyncStatus::Pending;
        if (m_recurring->update(*entry)) {
            emit entryDeactivated(entry->id, entry->payee);
        }
        return fail(tr("The recurring transaction has a broken date and was stopped"));
    }
    if (!hasLiveDestination(*entry)) {
        // It could never post again and would stay due for ever.
        quarantine(id, "transfer destination account deleted");
        return fail(tr("Transfer account not found"));
    }
    if (!entry->transferDestAccountId.isEmpty()) {
        // Checked before anything is written: a transfer between currencies posts nothing.
        const auto source = m_accounts->findById(entry->accountId);
        const auto dest = m_accounts->findById(entry->transferDestAccountId);
        if (source && dest && source->currency != dest->currency) {
            qCWarning(lcRecurring) << "RecurringService: skipping transfer post for" << entry->id
                                   << "— source and destination currencies differ";
            return fail(tr("Transfers require both accounts to use the same currency"));
        }
    }
    // Both legs and the advance stand or fall together.
    const bool ok = m_database->inTransaction([&] {
        if (!post(*entry)) {
            return false;
        }
        advanceEntry(*entry);
        return m_recurring->update(*entry);
    });
    if (!ok) {
        return fail(Database::describe(m_database->lastFailure(),
                                       tr("The transaction could not be saved")));
    }
    emit pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::skip(const QString &id)
{
    std::optional<RecurringTransaction> entry = m_recurring->findById(id);
    if (!entry) {
        return fail(tr("The recurring transaction no longer exists"));
    }
    advanceEntry(*entry);
    if (!m_recurring->update(*entry)) {
        return fail(Database::describe(m_database->lastFailure(),
                                       tr("The recurring transaction could not be saved")));
    }
    emit pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    int confirmed = 0;
    for (const RecurringTransaction &entry : m_recurring->findDue(QDate::currentDate())) {
        confirmed += confirm(entry.id) ? 1 : 0;
    }
    return confirmed;
}

int RecurringService::pendingCount() const
{
    return int(m_recurring->findDue(QDate::currentDate()).size());
}

QList<RecurringTransaction> RecurringService::listAll() const
{
    return m_recurring->findAll();
}

void RecurringService::quarantine(const QString &id, const char *reason)
{
    std::optional<RecurringTransaction> entry = m_recurring->findById(id);
    if (!entry) {
        return;
    }
    qCWarning(lcRecurring).noquote()
        << "Quarantining recurring" << entry->id << entry->payee
        << "— auto-deactivating. Reason:" << reason
        << QStringLiteral("nextDueDate=") + entry->nextDueDate.toString(Qt::ISODate);
    entry->isActive = false;
    entry->version += 1;
    entry->updatedAt = DateTimes::nowUtc();
    entry->syncStatus = SyncStatus::Pending;
    if (m_recurring->update(*entry)) {
        emit entryDeactivated(entry->id, entry->payee);
    }
}

bool RecurringService::hasLiveDestination(const RecurringTransaction &entry) const
{
    if (entry.transferDestAccountId.isEmpty()) {
        return true;
    }
    const auto dest = m_accounts->findById(entry.transferDestAccountId);
    return dest && !dest->deletedAt;
}

// Confirms the missed occurrences after the first one; returns how many were posted.
int RecurringService::catchUp(const QString &id)
{
    const QDate today = QDate::currentDate();
    QDate last;
    int posted = 0;
    while (posted < kCatchUpLimit) {
        const auto entry = m_recurring->findById(id);
        if (!entry || !entry->isActive || !entry->nextDueDate.isValid()) {
            break;
        }
        const QDate due = entry->nextDueDate;
        if (!RecurringRepository::hasSaneNextDueDate(*entry)) {
            quarantine(id, "advanced to broken date during catchup");
            break;
        }
        if (due > today || due == last || !confirm(id)) {
            break;
        }
        last = due;
        ++posted;
    }
    return posted;
}

int RecurringService::autoPostDue()
{
    int posted = 0;
    const QDate today = QDate::currentDate();
    for (const RecurringTransaction &entry : m_recurring->findDue(today)) {
        // Checked for every due entry, posted automatically or not: a transfer to a deleted
        // account would otherwise stay due for ever.
        if (!hasLiveDestination(entry)) {
            quarantine(entry.id, "transfer destination account deleted");
            continue;
        }
        if (!entry.autoPost) {
            continue;
        }
        if (!RecurringRepository::hasSaneNextDueDate(entry)) {
            quarantine(entry.id, "broken next_due_date");
            continue;
        }
        if (!confirm(entry.id)) {
            continue;
        }
        ++posted;
        const int caughtUp = catchUp(entry.id);
        posted += caughtUp;
        // Still behind after the whole allowance: out of service rather than another year of
        // postings at every start. An entry that caught up exactly stays active.
        const auto after = m_recurring->findById(entry.id);
        if (caughtUp == kCatchUpLimit && after && after->isActive && after->nextDueDate <= today) {
            quarantine(entry.id, "hit catchup cap in single tick");
        }
    }
    return posted;
}
