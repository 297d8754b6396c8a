#include "sampledataservice.h"

#include "accountservice.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/identifiers.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/recurringtransaction.h"
#include "data/transactionrepository.h"
#include "recurringservice.h"
#include "transactionservice.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QSqlQuery>

namespace {

const char *const kChecking = "sample-acct-checking";
const char *const kSavings = "sample-acct-savings";
const char *const kVisa = "sample-acct-visa";

struct SampleRow
{
    const char *account;
    int day; // offset from today
    const char *payee;
    const char *memo;
    qint64 amount;
    const char *parent; // nullptr for a top-level category
    const char *category;
    const char *checkNumber;
};

// Ordinary rows; the two transfers are added as linked pairs.
const SampleRow kRows[] = {
    // Main Checking: pay, rent, a donation and everyday spending.
    {kChecking, -60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr, "Salary / Wages",
     nullptr},
    {kChecking, -59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "February rent"), -145000, "Housing",
     "Rent/Mortgage Payment", "1041"},
    {kChecking, -57, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8745, nullptr, "Groceries",
     nullptr},
    {kChecking, -54, QT_TRANSLATE_NOOP("SampleDataService", "Sunoco Station"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -4210, "Transportation", "Gas/Fuel", nullptr},
    {kChecking, -53, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -11280, "Utilities", "Electric",
     nullptr},
    {kChecking, -52, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -4315, "Utilities", "Water", nullptr},
    {kChecking, -50, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9620, nullptr, "Groceries",
     nullptr},
    {kChecking, -48, QT_TRANSLATE_NOOP("SampleDataService", "Fibernet"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -6999, "Utilities", "Internet",
     nullptr},
    {kChecking, -46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr, "Salary / Wages",
     nullptr},
    {kChecking, -44, QT_TRANSLATE_NOOP("SampleDataService", "StreamBox"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1599, "Entertainment",
     "Streaming", nullptr},
    {kChecking, -43, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7833, nullptr, "Groceries",
     nullptr},
    {kChecking, -41, QT_TRANSLATE_NOOP("SampleDataService", "Osteria Lucca"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner out"), -6240, nullptr, "Dining & Restaurants",
     nullptr},
    {kChecking, -40, QT_TRANSLATE_NOOP("SampleDataService", "Sunoco Station"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -3985, "Transportation", "Gas/Fuel", nullptr},
    {kChecking, -38, QT_TRANSLATE_NOOP("SampleDataService", "Harbor Mutual"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance"), -12850, "Insurance", "Auto",
     nullptr},
    {kChecking, -36, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10412, nullptr, "Groceries",
     nullptr},
    {kChecking, -35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000, nullptr,
     "Charitable Donations", "1042"},
    {kChecking, -33, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr, "Salary / Wages",
     nullptr},
    {kChecking, -29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "March rent"), -145000, "Housing",
     "Rent/Mortgage Payment", "1043"},
    {kChecking, -27, QT_TRANSLATE_NOOP("SampleDataService", "Walden Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Prescription"), -1875, nullptr, "Medical Expenses",
     nullptr},
    {kChecking, -26, QT_TRANSLATE_NOOP("SampleDataService", "Sunoco Station"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -4402, "Transportation", "Gas/Fuel", nullptr},
    {kChecking, -23, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -10975, "Utilities", "Electric",
     nullptr},
    {kChecking, -22, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8190, nullptr, "Groceries",
     nullptr},
    {kChecking, -20, QT_TRANSLATE_NOOP("SampleDataService", "Mobilink"),
     QT_TRANSLATE_NOOP("SampleDataService", "Phone bill"), -5500, "Utilities", "Phone", nullptr},
    {kChecking, -19, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr, "Salary / Wages",
     nullptr},
    {kChecking, -15, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9104, nullptr, "Groceries",
     nullptr},
    {kChecking, -14, QT_TRANSLATE_NOOP("SampleDataService", "StreamBox"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1599, "Entertainment",
     "Streaming", nullptr},
    {kChecking, -12, QT_TRANSLATE_NOOP("SampleDataService", "Sunoco Station"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -4127, "Transportation", "Gas/Fuel", nullptr},
    {kChecking, -8, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8866, nullptr, "Groceries",
     nullptr},
    {kChecking, -6, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr, "Salary / Wages",
     nullptr},
    {kChecking, -5, QT_TRANSLATE_NOOP("SampleDataService", "Osteria Lucca"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner out"), -5480, nullptr, "Dining & Restaurants",
     nullptr},
    {kChecking, -1, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7259, nullptr, "Groceries",
     nullptr},
    // Savings: interest (the incoming transfers come with the pairs).
    {kSavings, -45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820, nullptr, "Interest Income",
     nullptr},
    {kSavings, -15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 875, nullptr, "Interest Income",
     nullptr},
    // Visa Rewards: purchases and two card payments received.
    {kVisa, -55, QT_TRANSLATE_NOOP("SampleDataService", "QuickBite Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner delivery"), -3450, nullptr,
     "Dining & Restaurants", nullptr},
    {kVisa, -50, QT_TRANSLATE_NOOP("SampleDataService", "Gadget Hub"),
     QT_TRANSLATE_NOOP("SampleDataService", "USB-C cables"), -1899, "Shopping", "Electronics",
     nullptr},
    {kVisa, -45, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, nullptr, "Subscriptions",
     nullptr},
    {kVisa, -40, QT_TRANSLATE_NOOP("SampleDataService", "Bean There Roasters"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans"), -1650, nullptr, "Groceries", nullptr},
    {kVisa, -35, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 10123, nullptr, nullptr,
     nullptr},
    {kVisa, -30, QT_TRANSLATE_NOOP("SampleDataService", "Page & Code Books"),
     QT_TRANSLATE_NOOP("SampleDataService", "Programming books"), -5497, nullptr,
     "Education Expenses", nullptr},
    {kVisa, -25, QT_TRANSLATE_NOOP("SampleDataService", "QuickBite Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Lunch delivery"), -2875, nullptr,
     "Dining & Restaurants", nullptr},
    {kVisa, -20, QT_TRANSLATE_NOOP("SampleDataService", "Gadget Hub"),
     QT_TRANSLATE_NOOP("SampleDataService", "Wireless mouse"), -2999, "Shopping", "Electronics",
     nullptr},
    {kVisa, -15, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 12993, nullptr, nullptr,
     nullptr},
    {kVisa, -12, QT_TRANSLATE_NOOP("SampleDataService", "Bean There Roasters"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans"), -1650, nullptr, "Groceries", nullptr},
    {kVisa, -7, QT_TRANSLATE_NOOP("SampleDataService", "QuickBite Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner delivery"), -3125, nullptr,
     "Dining & Restaurants", nullptr},
    {kVisa, -2, QT_TRANSLATE_NOOP("SampleDataService", "Page & Code Books"),
     QT_TRANSLATE_NOOP("SampleDataService", "Algorithms text"), -6450, nullptr,
     "Education Expenses", nullptr},
};

QString translated(const char *text)
{
    return text ? QCoreApplication::translate("SampleDataService", text) : QString();
}

// Category names are the default tree's, so they are translated as the tree was seeded.
QString categoryName(const char *name)
{
    return QCoreApplication::translate("CategoryService", name);
}

// Cleared and reconciled flags by account and age, as a statement would have them.
std::pair<bool, bool> status(const char *account, int day)
{
    if (account == kChecking) {
        return day <= -30 ? std::pair(true, true) : std::pair(day <= -11, false);
    }
    if (account == kSavings) {
        return {day != 0, false};
    }
    return {day <= -25, false};
}

QString sampleId(const char *kind)
{
    return QStringLiteral("sample-%1-%2").arg(QLatin1String(kind), Identifiers::newId().left(8));
}

} // namespace

// One load: the category lookup, today's date and the services every row is written through.
class SampleDataService::Loader
{
public:
    explicit Loader(Database *database)
        : m_sql(database)
        , m_accounts(database)
        , m_transactions(database)
        , m_recurrings(database)
        , m_reconciliations(database)
        , m_accountService(database, &m_accounts, &m_transactions, &m_recurrings,
                           &m_reconciliations)
        , m_transactionService(database, &m_transactions, &m_accounts)
        , m_recurringService(database, &m_recurrings, &m_transactions, &m_accounts)
        , m_today(QDate::currentDate())
    {
        const auto rows = m_sql.list(
            QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c LEFT "
                           "JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL"),
            {}, [](const QSqlQuery &q) {
                return std::tuple(q.value(0).toString(), q.value(1).toString(),
                                  q.value(2).toString());
            });
        for (const auto &[id, name, parent] : rows) {
            m_byName.insert(name, id);
            if (!parent.isEmpty()) {
                m_byPath.insert(parent + QLatin1Char('/') + name, id);
            }
        }
    }

    QString category(const char *parent, const char *name) const
    {
        if (!name) {
            return {};
        }
        return parent ? m_byPath.value(categoryName(parent) + QLatin1Char('/') + categoryName(name))
                      : m_byName.value(categoryName(name));
    }

    // The starting balance becomes the account's "Opening Balance" line, a day before the
    // first sample row, as for any account made in the program.
    bool account(const char *id, const char *name, const char *type, const char *institution,
                 const char *last4, qint64 startingBalance, int sortOrder)
    {
        Account account;
        account.id = QLatin1String(id);
        account.name = translated(name);
        account.type = accountTypeFromText(QLatin1String(type));
        account.institution = translated(institution);
        account.accountNumberLast4 = QLatin1String(last4);
        account.startingBalance = startingBalance;
        account.sortOrder = sortOrder;
        return m_accountService.create(account, m_today.addDays(kOpeningDay));
    }

    bool transaction(const QString &id, const char *account, const SampleRow &row,
                     const QString &linkId = QString(), const char *linkAccount = nullptr)
    {
        const auto [cleared, reconciled] = status(account, row.day);
        Transaction t;
        t.id = id;
        t.accountId = QLatin1String(account);
        t.date = m_today.addDays(row.day);
        t.payee = translated(row.payee);
        t.memo = translated(row.memo);
        t.amount = row.amount;
        t.categoryId = category(row.parent, row.category);
        t.checkNumber = QString::fromLatin1(row.checkNumber);
        t.cleared = cleared;
        t.reconciled = reconciled;
        t.transferLinkId = linkId;
        t.transferDestAccountId = QString::fromLatin1(linkAccount);
        return m_transactionService.add(t);
    }

    // Both legs carry sample ids, so that clearing finds them again; the load's one database
    // transaction keeps them together.
    bool transfer(int day)
    {
        const QString out = sampleId("xfer");
        const QString in = sampleId("xfer");
        const char *memo = QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings");
        return transaction(out, kChecking,
                           {kChecking, day,
                            QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"), memo,
                            -50000, nullptr, nullptr, nullptr},
                           in, kSavings) &&
               transaction(in, kSavings,
                           {kSavings, day,
                            QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"), memo,
                            50000, nullptr, nullptr, nullptr},
                           out, kChecking);
    }

    bool recurring(const char *payee, const char *memo, qint64 amount, const char *parent,
                   const char *name, const char *frequency, int dueInDays)
    {
        RecurringTransaction entry;
        entry.id = sampleId("rec");
        entry.accountId = QLatin1String(kChecking);
        entry.payee = translated(payee);
        entry.memo = translated(memo);
        entry.amount = amount;
        entry.categoryId = category(parent, name);
        entry.frequency = frequencyFromText(QLatin1String(frequency));
        entry.startDate = m_today.addDays(-60);
        entry.nextDueDate = m_today.addDays(dueInDays);
        return m_recurringService.add(entry);
    }

    bool loadAll()
    {
        bool ok =
            account(kChecking, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), "checking",
                    QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521",
                    250000, 0) &&
            account(kSavings, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
                    QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834",
                    1000000, 1) &&
            account(kVisa, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
                    QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0, 2);
        for (const SampleRow &row : kRows) {
            ok = ok && transaction(sampleId("txn"), row.account, row);
        }
        return ok && transfer(-30) && transfer(0) &&
               recurring(QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000, "Housing",
                         "Rent/Mortgage Payment", "monthly", 1) &&
               recurring(QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
                         nullptr, "Salary / Wages", "biweekly", 8) &&
               recurring(QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr,
                         nullptr, "monthly", 1);
    }

    static constexpr int kOpeningDay = -61;

private:
    SqlRunner m_sql;
    AccountRepository m_accounts;
    TransactionRepository m_transactions;
    RecurringRepository m_recurrings;
    ReconciliationRepository m_reconciliations;
    AccountService m_accountService;
    TransactionService m_transactionService;
    RecurringService m_recurringService;
    QDate m_today;
    QHash<QString, QString> m_byName;
    QHash<QString, QString> m_byPath;
};

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_sql(database)
{
}

bool SampleDataService::isLoaded() const
{
    return m_sql
        .one(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"), {},
             [](const QSqlQuery &) { return true; })
        .value_or(false);
}

bool SampleDataService::load()
{
    Loader loader(m_database);
    // All of it or nothing: a failure part-way leaves no half household behind.
    return m_database->inTransaction([&] { return loader.loadAll(); });
}

void SampleDataService::clear()
{
    // Children first. A sample account still holding a hand-entered transaction makes the last
    // account delete fail on its foreign key as a whole, so every sample account stays, and so
    // does its opening balance.
    const QString opening = AccountService::kOpeningBalancePayee;
    m_database->inTransaction([&] {
        m_sql.write(QStringLiteral("DELETE FROM transactions WHERE account_id LIKE 'sample-%' AND "
                                   "payee = ? AND NOT EXISTS (SELECT 1 FROM transactions o WHERE "
                                   "o.account_id = transactions.account_id AND o.id NOT LIKE "
                                   "'sample-%' AND o.payee != ?)"),
                    {opening, opening}, nullptr);
        for (const char *statement : {"DELETE FROM split_lines WHERE id LIKE 'sample-%'",
                                      "DELETE FROM reconciliations WHERE id LIKE 'sample-%'",
                                      "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'",
                                      "DELETE FROM transactions WHERE id LIKE 'sample-%'",
                                      "DELETE FROM accounts WHERE id LIKE 'sample-%'",
                                      "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'"}) {
            m_sql.write(QString::fromLatin1(statement), {}, nullptr);
        }
        return true;
    });
}
