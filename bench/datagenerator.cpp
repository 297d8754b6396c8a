#include "datagenerator.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "services/categoryservice.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <random>

namespace {

const char *const kPayees[] = {
    "Corner Grocer",       "Harbor Market",      "City Power & Light",
    "Metro Water",         "Fiberline Internet", "Mobile One",
    "Shell Station",       "Riverside Cafe",     "Blue Plate Diner",
    "Pizza Palace",        "Book Nook",          "Hardware Depot",
    "Pet Supplies Plus",   "Streamly",           "Cinema 8",
    "Dr. Alvarez DDS",     "Westside Pharmacy",  "Acme Payroll",
    "Landlord Properties", "State Insurance",    "Gym Central",
    "Airline Express",     "Hotel Grand",        "Farmers Market",
    "Online Bazaar",       "Home Goods Outlet",  "Auto Care Center",
    "City Parking",        "Charity Fund",       "Interest Payment",
};

const char *const kMemos[] = {
    "weekly groceries",
    "monthly bill",
    "birthday present",
    "dinner with friends",
    "school supplies",
    "oil change",
    "refund pending",
    "annual renewal",
    "",
    "",
    "",
    "reimbursable",
};

QString pick(std::mt19937_64 &rng, const char *const *items, size_t count)
{
    return QString::fromUtf8(items[std::uniform_int_distribution<size_t>(0, count - 1)(rng)]);
}

QString uuid(std::mt19937_64 &rng)
{
    // Deterministic, well-formed v4-style identifiers.
    const quint64 hi = rng();
    const quint64 lo = rng();
    QByteArray bytes(16, Qt::Uninitialized);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = char(hi >> (8 * i));
        bytes[8 + i] = char(lo >> (8 * i));
    }
    bytes[6] = char((bytes[6] & 0x0f) | 0x40);
    bytes[8] = char((bytes[8] & 0x3f) | 0x80);
    return Identifiers::toText(QUuid::fromRfc4122(bytes));
}

bool exec(QSqlQuery &query)
{
    if (!query.exec()) {
        qFatal("generator insert failed: %s", qPrintable(query.lastError().text()));
    }
    return true;
}

} // namespace

DataGenerator::DataGenerator(quint64 seed)
    : m_seed(seed)
{
}

DataGenerator::Result DataGenerator::generate(Database *database, int transactions, int accounts)
{
    std::mt19937_64 rng(m_seed);
    QSqlDatabase db = database->database();
    CategoryRepository categories(database);
    CategoryService(database, &categories).seedDefaults();
    QStringList categoryIds;
    for (const Category &c : categories.findAll()) {
        categoryIds << c.id;
    }

    Result result;
    db.transaction();
    QSqlQuery account(db);
    account.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                                   "starting_balance, sort_order, created_at, updated_at) VALUES "
                                   "(?, ?, ?, 'USD', ?, ?, ?, ?)"));
    const QString stamp = QStringLiteral("2006-01-01T00:00:00Z");
    accounts = std::clamp(accounts, 1, 10);
    for (int i = 0; i < accounts; ++i) {
        const QString id = uuid(rng);
        account.addBindValue(id);
        account.addBindValue(QStringLiteral("Account %1").arg(i + 1));
        account.addBindValue(i == 1 ? QStringLiteral("savings") : QStringLiteral("checking"));
        account.addBindValue(i == 0 ? qint64(250000) : qint64(0));
        account.addBindValue(i);
        account.addBindValue(stamp);
        account.addBindValue(stamp);
        exec(account);
        result.accountIds << id;
    }

    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
        "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    QSqlQuery split(db);
    split.prepare(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, "
                                 "amount, memo, created_at, updated_at) VALUES (?, ?, ?, ?, ?, "
                                 "?, ?)"));
    const QDate first(2006, 1, 1);
    const int days = int(first.daysTo(QDate(2025, 12, 31)));
    std::uniform_int_distribution<int> accountShare(0, 99);
    std::uniform_int_distribution<int> percent(0, 99);
    std::lognormal_distribution<double> size(8.0, 1.2);
    QDateTime created(first.startOfDay(Qt::UTC));

    const auto add = [&](const QString &id, const QString &accountId, const QDate &date,
                         const QString &payee, const QString &memo, qint64 amount,
                         const QString &categoryId, const QString &link, const QString &dest,
                         bool isSplit) {
        created = created.addSecs(1);
        const QString createdText = DateTimes::timestampToText(created);
        const bool old = date.daysTo(QDate(2025, 12, 31)) > 60;
        insert.addBindValue(id);
        insert.addBindValue(accountId);
        insert.addBindValue(DateTimes::dateToText(date));
        insert.addBindValue(payee);
        insert.addBindValue(memo);
        insert.addBindValue(amount);
        insert.addBindValue(categoryId.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                 : QVariant(categoryId));
        insert.addBindValue(percent(rng) < 5 ? QString::number(1000 + percent(rng)) : QString());
        insert.addBindValue(old ? 1 : 0);
        insert.addBindValue(old ? 1 : 0);
        insert.addBindValue(link);
        insert.addBindValue(dest);
        insert.addBindValue(isSplit ? 1 : 0);
        insert.addBindValue(createdText);
        insert.addBindValue(createdText);
        exec(insert);
        ++result.transactions;
    };

    for (int n = 0; result.transactions < transactions; ++n) {
        // Days advance evenly so the history spans twenty years.
        const QDate date = first.addDays(qint64(n) * days / transactions);
        const int share = accountShare(rng);
        const int a = share < 25 || accounts == 1 ? 0 : 1 + (share - 25) % (accounts - 1);
        const QString accountId = result.accountIds[a];
        const qint64 amount = qint64(size(rng)) + 1;
        const int kind = percent(rng);
        if (kind < 2 && accounts > 1 && result.transactions + 2 <= transactions) {
            const int b = (a + 1 + percent(rng) % (accounts - 1)) % accounts;
            const QString out = uuid(rng);
            const QString in = uuid(rng);
            add(out, accountId, date, QStringLiteral("[Transfer] Account %1").arg(b + 1), QString(),
                -amount, QString(), in, result.accountIds[b], false);
            add(in, result.accountIds[b], date, QStringLiteral("[Transfer] Account %1").arg(a + 1),
                QString(), amount, QString(), out, accountId, false);
            continue;
        }
        const QString id = uuid(rng);
        const bool isSplit = kind >= 2 && kind < 4;
        const bool income = kind >= 90;
        add(id, accountId, date, pick(rng, kPayees, std::size(kPayees)),
            pick(rng, kMemos, std::size(kMemos)), income ? amount * 10 : -amount,
            isSplit ? QString() : categoryIds[int(rng() % quint64(categoryIds.size()))], QString(),
            QString(), isSplit);
        if (isSplit) {
            for (const qint64 part : {amount / 2, amount - amount / 2}) {
                split.addBindValue(uuid(rng));
                split.addBindValue(id);
                split.addBindValue(categoryIds[int(rng() % quint64(categoryIds.size()))]);
                split.addBindValue(-part);
                split.addBindValue(QString());
                split.addBindValue(stamp);
                split.addBindValue(stamp);
                exec(split);
            }
        }
    }
    db.commit();
    return result;
}
