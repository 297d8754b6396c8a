#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

// Ready-to-insert records for tests: new, pending, version 1, stamped now.
namespace Records {

inline Account account(const QString &name, int sortOrder = 0, qint64 startingBalance = 0)
{
    Account a;
    a.id = Identifiers::newId();
    a.name = name;
    a.sortOrder = sortOrder;
    a.startingBalance = startingBalance;
    a.createdAt = DateTimes::nowUtc();
    a.updatedAt = a.createdAt;
    return a;
}

inline Transaction transaction(const QString &accountId, const QDate &date, qint64 amount,
                               const QString &payee = QStringLiteral("Payee"))
{
    Transaction t;
    t.id = Identifiers::newId();
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = DateTimes::nowUtc();
    t.updatedAt = t.createdAt;
    return t;
}

inline Category category(const QString &name, const QString &parentId = QString())
{
    Category c;
    c.id = Identifiers::newId();
    c.name = name;
    c.parentId = parentId;
    c.createdAt = DateTimes::nowUtc();
    c.updatedAt = c.createdAt;
    return c;
}

inline RecurringTransaction recurring(const QString &accountId, const QDate &nextDue)
{
    RecurringTransaction r;
    r.id = Identifiers::newId();
    r.accountId = accountId;
    r.payee = QStringLiteral("Rent");
    r.amount = -120000;
    r.startDate = nextDue;
    r.nextDueDate = nextDue;
    r.createdAt = DateTimes::nowUtc();
    r.updatedAt = r.createdAt;
    return r;
}

inline Reconciliation reconciliation(const QString &accountId, const QDate &statementDate)
{
    Reconciliation r;
    r.id = Identifiers::newId();
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = 1000;
    r.reconciledBalance = 1000;
    r.completedAt = DateTimes::nowUtc();
    return r;
}

} // namespace Records
