#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/reportrunner.h"
#include "services/reportservice.h"
#include "services/reporttable.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QTest>

namespace {

// Every report of a run as its display rows, one text per report, for comparing two runs.
QStringList shown(const ReportResults &r)
{
    const ReportTable tables[] = {
        ReportTable::categorySpending(r.categorySpending),
        ReportTable::payeeSummary(r.payeeSummary),
        ReportTable::taxReport(r.taxReport),
        ReportTable::cashFlow(r.cashFlow),
        ReportTable::yearOverYear(r.comparison),
        ReportTable::accountSummary(r.accountSummary),
    };
    QStringList out;
    for (const ReportTable &table : tables) {
        QStringList lines;
        for (const QStringList &row : table.rows) {
            lines << row.join(u'|');
        }
        out << lines.join(u'\n');
    }
    return out;
}

// The six reports one after another on one connection, as the reference.
ReportResults oneByOne(Database *db, const ReportRequest &r)
{
    ReportService s(db);
    return {s.categorySpending(r.from, r.to, r.accountId),
            s.payeeSummary(r.from, r.to, r.accountId),
            s.taxReport(r.from, r.to),
            s.cashFlowByMonth(r.from, r.to, r.accountId),
            s.compareCategories(r.compareFrom1, r.compareTo1, r.compareFrom2, r.compareTo2,
                                r.accountId),
            s.accountSummary()};
}

ReportRequest request(const QString &accountId, const QDate &from, const QDate &to)
{
    return {accountId,          from, to, QDate(2025, 1, 1), QDate(2025, 12, 31), QDate(2026, 1, 1),
            QDate(2026, 12, 31)};
}

// A two-year ledger over three accounts and three categories, one of them tax-relevant.
QStringList fillLedger(Database *db)
{
    AccountRepository accounts(db);
    CategoryRepository categories(db);
    TransactionRepository transactions(db);
    QStringList accountIds;
    for (const char *name : {"Checking", "Savings", "Visa"}) {
        const Account account = Records::account(QString::fromLatin1(name), int(accountIds.size()),
                                                 10000 * (accountIds.size() + 1));
        accounts.insert(account);
        accountIds << account.id;
    }
    QStringList categoryIds;
    for (const char *name : {"Food", "Rent", "Charity"}) {
        Category category = Records::category(QString::fromLatin1(name));
        category.isTaxRelevant = categoryIds.size() == 2;
        category.taxCategory = category.isTaxRelevant ? QStringLiteral("charity") : QString();
        categories.insert(category);
        categoryIds << category.id;
    }
    const QStringList payees = {"Grocer", "Landlord", "Employer", "Shelter", "Cafe \"Noir\""};
    for (int i = 0; i < 400; ++i) {
        const qint64 amount = (i % 7 == 0 ? 1 : -1) * (100 + 37 * i);
        Transaction t =
            Records::transaction(accountIds[i % 3], QDate(2025, 1, 1).addDays(i * 2 - 30), amount,
                                 payees[i % payees.size()]);
        t.categoryId = i % 4 == 3 ? QString() : categoryIds[i % 3];
        t.cleared = i % 2 == 0;
        transactions.insert(t);
    }
    return accountIds;
}

} // namespace

class ReportRunnerTest : public QObject
{
    Q_OBJECT

private slots:
    void readersGiveTheSameReports_data();
    void readersGiveTheSameReports();
    void laterCommitsAreSeen();
    void inMemoryDatabaseRunsOnItsOwnConnection();
};

void ReportRunnerTest::readersGiveTheSameReports_data()
{
    QTest::addColumn<int>("account"); // -1: every account
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("all accounts, all time") << -1 << QDate(2000, 1, 1) << QDate(2030, 1, 1);
    QTest::newRow("one account, one quarter") << 1 << QDate(2025, 4, 1) << QDate(2025, 6, 30);
    QTest::newRow("empty period") << -1 << QDate(2010, 1, 1) << QDate(2010, 12, 31);
}

void ReportRunnerTest::readersGiveTheSameReports()
{
    QFETCH(int, account);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    const QStringList accountIds = fillLedger(fixture.database());
    const ReportRequest r = request(account < 0 ? QString() : accountIds[account], from, to);

    ReportRunner runner(fixture.database(), 2);
    const QStringList parallel = shown(runner.run(r));
    QCOMPARE(runner.readerCount(), 2);
    const QStringList reference = shown(oneByOne(fixture.database(), r));
    QCOMPARE(parallel, reference);
    QCOMPARE(shown(ReportRunner(fixture.database(), 0).run(r)), reference);
    QVERIFY(!reference.last().isEmpty()); // the account summary ignores the period
}

void ReportRunnerTest::laterCommitsAreSeen()
{
    TestDatabase fixture;
    QVERIFY(fixture.isReady());
    const QStringList accountIds = fillLedger(fixture.database());
    const ReportRequest r = request({}, QDate(2000, 1, 1), QDate(2030, 1, 1));
    ReportRunner runner(fixture.database(), 2);
    const ReportResults before = runner.run(r);
    QVERIFY(runner.readerCount() > 0);

    TransactionRepository transactions(fixture.database());
    QVERIFY(transactions.insert(
        Records::transaction(accountIds[0], QDate(2025, 6, 1), -99999999, "Newcomer")));
    const ReportResults after = runner.run(r);
    QCOMPARE(after.payeeSummary.size(), before.payeeSummary.size() + 1);
    QCOMPARE(after.payeeSummary.first().payee, QStringLiteral("Newcomer"));
    QCOMPARE(after.accountSummary.first().totalBalance,
             before.accountSummary.first().totalBalance - 99999999);
    QCOMPARE(shown(after), shown(oneByOne(fixture.database(), r)));
}

void ReportRunnerTest::inMemoryDatabaseRunsOnItsOwnConnection()
{
    Database database;
    QVERIFY(database.open(QStringLiteral(":memory:")) && database.runMigrations());
    fillLedger(&database);
    const ReportRequest r = request({}, QDate(2000, 1, 1), QDate(2030, 1, 1));
    ReportRunner runner(&database, 2);
    const ReportResults results = runner.run(r);
    QCOMPARE(runner.readerCount(), 0);
    QCOMPARE(results.accountSummary.size(), 3);
    QCOMPARE(shown(results), shown(oneByOne(&database, r)));
}

LEDGERWELL_TEST(ReportRunnerTest)
#include "reportrunner_test.moc"
