#include "sampledataservice.h"

#include "data/datetimes.h"
#include "data/identifiers.h"

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

#define S(text) QT_TRANSLATE_NOOP("SampleDataService", text)

// Ordinary rows; the two transfers are added as linked pairs.
const SampleRow kRows[] = {
    // Main Checking: pay, rent, a donation and everyday spending.
    {kChecking, -60, S("Brightpath Inc"), S("Biweekly paycheck"), 285000, nullptr,
     S("Salary / Wages"), nullptr},
    {kChecking, -59, S("Pinecrest Apartments"), S("February rent"), -145000, S("Housing"),
     S("Rent/Mortgage Payment"), "1041"},
    {kChecking, -57, S("Greenleaf Market"), S("Weekly groceries"), -8745, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -54, S("Sunoco Station"), S("Fuel"), -4210, S("Transportation"), S("Gas/Fuel"),
     nullptr},
    {kChecking, -53, S("Lakeside Utilities"), S("Electric bill"), -11280, S("Utilities"),
     S("Electric"), nullptr},
    {kChecking, -52, S("Lakeside Utilities"), S("Water bill"), -4315, S("Utilities"), S("Water"),
     nullptr},
    {kChecking, -50, S("Greenleaf Market"), S("Weekly groceries"), -9620, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -48, S("Fibernet"), S("Internet service"), -6999, S("Utilities"), S("Internet"),
     nullptr},
    {kChecking, -46, S("Brightpath Inc"), S("Biweekly paycheck"), 285000, nullptr,
     S("Salary / Wages"), nullptr},
    {kChecking, -44, S("StreamBox"), S("Monthly subscription"), -1599, S("Entertainment"),
     S("Streaming"), nullptr},
    {kChecking, -43, S("Greenleaf Market"), S("Weekly groceries"), -7833, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -41, S("Osteria Lucca"), S("Dinner out"), -6240, nullptr, S("Dining & Restaurants"),
     nullptr},
    {kChecking, -40, S("Sunoco Station"), S("Fuel"), -3985, S("Transportation"), S("Gas/Fuel"),
     nullptr},
    {kChecking, -38, S("Harbor Mutual"), S("Auto insurance"), -12850, S("Insurance"), S("Auto"),
     nullptr},
    {kChecking, -36, S("Greenleaf Market"), S("Weekly groceries"), -10412, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -35, S("Hope Community Church"), S("Monthly donation"), -10000, nullptr,
     S("Charitable Donations"), "1042"},
    {kChecking, -33, S("Brightpath Inc"), S("Biweekly paycheck"), 285000, nullptr,
     S("Salary / Wages"), nullptr},
    {kChecking, -29, S("Pinecrest Apartments"), S("March rent"), -145000, S("Housing"),
     S("Rent/Mortgage Payment"), "1043"},
    {kChecking, -27, S("Walden Pharmacy"), S("Prescription"), -1875, nullptr, S("Medical Expenses"),
     nullptr},
    {kChecking, -26, S("Sunoco Station"), S("Fuel"), -4402, S("Transportation"), S("Gas/Fuel"),
     nullptr},
    {kChecking, -23, S("Lakeside Utilities"), S("Electric bill"), -10975, S("Utilities"),
     S("Electric"), nullptr},
    {kChecking, -22, S("Greenleaf Market"), S("Weekly groceries"), -8190, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -20, S("Mobilink"), S("Phone bill"), -5500, S("Utilities"), S("Phone"), nullptr},
    {kChecking, -19, S("Brightpath Inc"), S("Biweekly paycheck"), 285000, nullptr,
     S("Salary / Wages"), nullptr},
    {kChecking, -15, S("Greenleaf Market"), S("Weekly groceries"), -9104, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -14, S("StreamBox"), S("Monthly subscription"), -1599, S("Entertainment"),
     S("Streaming"), nullptr},
    {kChecking, -12, S("Sunoco Station"), S("Fuel"), -4127, S("Transportation"), S("Gas/Fuel"),
     nullptr},
    {kChecking, -8, S("Greenleaf Market"), S("Weekly groceries"), -8866, nullptr, S("Groceries"),
     nullptr},
    {kChecking, -6, S("Brightpath Inc"), S("Biweekly paycheck"), 285000, nullptr,
     S("Salary / Wages"), nullptr},
    {kChecking, -5, S("Osteria Lucca"), S("Dinner out"), -5480, nullptr, S("Dining & Restaurants"),
     nullptr},
    {kChecking, -1, S("Greenleaf Market"), S("Weekly groceries"), -7259, nullptr, S("Groceries"),
     nullptr},
    // Savings: interest (the incoming transfers come with the pairs).
    {kSavings, -45, S("Riverbend Credit Union"), S("Interest payment"), 820, nullptr,
     S("Interest Income"), nullptr},
    {kSavings, -15, S("Riverbend Credit Union"), S("Interest payment"), 875, nullptr,
     S("Interest Income"), nullptr},
    // Visa Rewards: purchases and two card payments received.
    {kVisa, -55, S("QuickBite Delivery"), S("Dinner delivery"), -3450, nullptr,
     S("Dining & Restaurants"), nullptr},
    {kVisa, -50, S("Gadget Hub"), S("USB-C cables"), -1899, S("Shopping"), S("Electronics"),
     nullptr},
    {kVisa, -45, S("CloudWatch Plus"), S("Cloud storage plan"), -999, nullptr, S("Subscriptions"),
     nullptr},
    {kVisa, -40, S("Bean There Roasters"), S("Coffee beans"), -1650, nullptr, S("Groceries"),
     nullptr},
    {kVisa, -35, S("Payment - Thank You"), S("Credit card payment"), 10123, nullptr, nullptr,
     nullptr},
    {kVisa, -30, S("Page & Code Books"), S("Programming books"), -5497, nullptr,
     S("Education Expenses"), nullptr},
    {kVisa, -25, S("QuickBite Delivery"), S("Lunch delivery"), -2875, nullptr,
     S("Dining & Restaurants"), nullptr},
    {kVisa, -20, S("Gadget Hub"), S("Wireless mouse"), -2999, S("Shopping"), S("Electronics"),
     nullptr},
    {kVisa, -15, S("Payment - Thank You"), S("Credit card payment"), 12993, nullptr, nullptr,
     nullptr},
    {kVisa, -12, S("Bean There Roasters"), S("Coffee beans"), -1650, nullptr, S("Groceries"),
     nullptr},
    {kVisa, -7, S("QuickBite Delivery"), S("Dinner delivery"), -3125, nullptr,
     S("Dining & Restaurants"), nullptr},
    {kVisa, -2, S("Page & Code Books"), S("Algorithms text"), -6450, nullptr,
     S("Education Expenses"), nullptr},
};

#undef S

QString translated(const char *text)
{
    return text ? QCoreApplication::translate("SampleDataService", text) : QString();
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

// One load: the category lookup, today's date and the one timestamp every row shares.
class SampleDataService::Loader
{
public:
    explicit Loader(const SqlRunner &sql)
        : m_sql(sql)
        , m_today(QDate::currentDate())
        , m_now(DateTimes::nowText())
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

    QVariant category(const char *parent, const char *name) const
    {
        const QString id =
            parent ? m_byPath.value(translated(parent) + QLatin1Char('/') + translated(name))
                   : m_byName.value(translated(name));
        return SqlValue::nullIfEmpty(id);
    }

    QString date(int day) const { return DateTimes::dateToText(m_today.addDays(day)); }

    void account(const char *id, const char *name, const char *type, const char *institution,
                 const char *last4, qint64 startingBalance, int sortOrder) const
    {
        m_sql.write(QStringLiteral(
                        "INSERT INTO accounts (id, name, account_type, currency, institution, "
                        "account_number_last4, starting_balance, sort_order, is_shared, version, "
                        "sync_status, created_at, updated_at) VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, "
                        "0, 1, 'pending', ?, ?)"),
                    {QLatin1String(id), translated(name), QLatin1String(type),
                     translated(institution), QLatin1String(last4), startingBalance, sortOrder,
                     m_now, m_now},
                    nullptr);
    }

    void transaction(const QString &id, const char *account, const SampleRow &row,
                     const QString &linkId = QString(), const char *linkAccount = nullptr) const
    {
        const auto [cleared, reconciled] = status(account, row.day);
        m_sql.write(
            QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                           "category_id, check_number, cleared, reconciled, transfer_link_id, "
                           "transfer_dest_account_id, is_split, version, sync_status, created_at, "
                           "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, "
                           "'pending', ?, ?)"),
            {id, QLatin1String(account), date(row.day), translated(row.payee), translated(row.memo),
             row.amount,
             row.category ? category(row.parent, row.category) : SqlValue::nullIfEmpty({}),
             SqlValue::nullIfEmpty(QString::fromLatin1(row.checkNumber)), int(cleared),
             int(reconciled), SqlValue::nullIfEmpty(linkId),
             SqlValue::nullIfEmpty(QString::fromLatin1(linkAccount)), 0, m_now, m_now},
            nullptr);
    }

    void transfer(int day) const
    {
        const QString out = sampleId("xfer");
        const QString in = sampleId("xfer");
        const char *memo = QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings");
        transaction(out, kChecking,
                    {kChecking, day, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
                     memo, -50000, nullptr, nullptr, nullptr},
                    in, kSavings);
        transaction(in, kSavings,
                    {kSavings, day,
                     QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"), memo, 50000,
                     nullptr, nullptr, nullptr},
                    out, kChecking);
    }

    void recurring(const char *payee, const char *memo, qint64 amount, const char *parent,
                   const char *name, const char *frequency, int dueInDays) const
    {
        m_sql.write(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, "
                                   "memo, amount, category_id, frequency, start_date, "
                                   "next_due_date, auto_post, is_active, version, sync_status, "
                                   "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, "
                                   "1, 1, 'pending', ?, ?)"),
                    {sampleId("rec"), QLatin1String(kChecking), translated(payee), translated(memo),
                     amount, name ? category(parent, name) : SqlValue::nullIfEmpty({}),
                     QLatin1String(frequency), date(-60), date(dueInDays), m_now, m_now},
                    nullptr);
    }

private:
    const SqlRunner &m_sql;
    QDate m_today;
    QString m_now;
    QHash<QString, QString> m_byName;
    QHash<QString, QString> m_byPath;
};

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
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

void SampleDataService::load()
{
    const Loader loader(m_sql);
    m_sql.inTransaction([&] {
        loader.account(kChecking, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"),
                       "checking", QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
                       "4521", 250000, 0);
        loader.account(kSavings, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
                       QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834",
                       1000000, 1);
        loader.account(kVisa, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
                       QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0, 2);
        for (const SampleRow &row : kRows) {
            loader.transaction(sampleId("txn"), row.account, row);
        }
        loader.transfer(-30);
        loader.transfer(0);
        loader.recurring(QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000,
                         QT_TRANSLATE_NOOP("SampleDataService", "Housing"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"), "monthly",
                         1);
        loader.recurring(QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
                         nullptr, QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"),
                         "biweekly", 8);
        loader.recurring(QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
                         QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr,
                         nullptr, "monthly", 1);
        return true;
    });
}

void SampleDataService::clear()
{
    // Children first. A sample account still holding a hand-entered transaction makes the last
    // account delete fail on its foreign key as a whole, so every sample account stays.
    for (const char *statement : {"DELETE FROM split_lines WHERE id LIKE 'sample-%'",
                                  "DELETE FROM reconciliations WHERE id LIKE 'sample-%'",
                                  "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'",
                                  "DELETE FROM transactions WHERE id LIKE 'sample-%'",
                                  "DELETE FROM accounts WHERE id LIKE 'sample-%'",
                                  "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'"}) {
        m_sql.write(QString::fromLatin1(statement), {}, nullptr);
    }
}
