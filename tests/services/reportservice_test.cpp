#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/reportrunner.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class ReportServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void categorySpendingCountsOnlyPayments();
    void samedayPeriodAndAccountFilter();
    void payeesMostNegativeFirst();
    void taxReportSkipsUncategorized();
    void cashFlowRowPerMonth();
    void comparisonMergesBothPeriods();
    void accountSummaryAddsStartingBalance();
    void transfersCountOnlyWhenIncluded_data();
    void transfersCountOnlyWhenIncluded();

private:
    void add(const Account &account, const QDate &date, qint64 amount, const QString &payee,
             const QString &categoryId = QString(), bool cleared = false);

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ReportService> m_reports;
    Account m_checking;
    Account m_visa;
    Category m_food;
    Category m_salary;
    Category m_charity;
};

void ReportServiceTest::add(const Account &account, const QDate &date, qint64 amount,
                            const QString &payee, const QString &categoryId, bool cleared)
{
    Transaction t = Records::transaction(account.id, date, amount, payee);
    t.categoryId = categoryId;
    t.cleared = cleared;
    if (!TransactionRepository(m_db->database()).insert(t)) {
        qFatal("insert failed");
    }
}

// One small ledger shared by every case: the reports only read.
void ReportServiceTest::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_reports = std::make_unique<ReportService>(m_db->database());
    AccountRepository accounts(m_db->database());
    m_checking = Records::account("Checking", 0, 5000);
    m_visa = Records::account("Visa", 1);
    Account closed = Records::account("Closed", 2);
    QVERIFY(accounts.insert(m_checking) && accounts.insert(m_visa) && accounts.insert(closed));
    QVERIFY(accounts.softDelete(closed.id));

    CategoryRepository categories(m_db->database());
    m_food = Records::category("Food");
    m_salary = Records::category("Salary");
    m_salary.type = CategoryType::Income;
    m_charity = Records::category("Charity");
    m_charity.isTaxRelevant = true;
    m_charity.taxCategory = "charitable_contributions";
    Category travel = Records::category("Travel");
    QVERIFY(categories.insert(m_food) && categories.insert(m_salary) &&
            categories.insert(m_charity) && categories.insert(travel));

    add(m_checking, QDate(2026, 1, 5), 10000, "Employer", m_salary.id, true);
    add(m_checking, QDate(2026, 1, 6), -4000, "Grocer", m_food.id, true);
    add(m_checking, QDate(2026, 1, 6), 700, "Grocer", m_food.id); // a refund into Food
    add(m_checking, QDate(2026, 1, 9), -1500, "Church", m_charity.id);
    add(m_visa, QDate(2026, 1, 6), -2500, "Cafe");
    add(m_visa, QDate(2026, 2, 10), -3000, "Grocer", m_food.id);
    add(m_visa, QDate(2026, 2, 12), -8000, "Airline", travel.id);
    QSqlQuery(m_db->db()).exec("PRAGMA foreign_keys=OFF"); // a category id that points nowhere
    add(m_visa, QDate(2026, 2, 11), -200, "Kiosk", "unknown-category");
    Transaction gone = Records::transaction(m_checking.id, QDate(2026, 1, 6), -99999, "Gone");
    TransactionRepository repo(m_db->database());
    QVERIFY(repo.insert(gone) && repo.softDelete(gone.id));
}

void ReportServiceTest::cleanupTestCase()
{
    m_reports.reset();
    m_db.reset();
}

void ReportServiceTest::categorySpendingCountsOnlyPayments()
{
    const auto rows = m_reports->categorySpending(QDate(2026, 1, 1), QDate(2026, 2, 28), {});
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].name, QString("Travel"));
    QCOMPARE(rows[1].name, QString("Food"));
    QCOMPARE(rows[1].amount, qint64(-7000)); // the 7.00 refund does not count
    QCOMPARE(rows[2].name, QString("Uncategorized"));
    QCOMPARE(rows[2].amount, qint64(-2700)); // no category and an unknown one
    QCOMPARE(rows[3].name, QString("Charity"));
}

void ReportServiceTest::samedayPeriodAndAccountFilter()
{
    const QDate day(2026, 1, 6);
    const auto all = m_reports->categorySpending(day, day, {});
    QCOMPARE(all.size(), 2);
    const auto visa = m_reports->categorySpending(day, day, m_visa.id);
    QCOMPARE(visa.size(), 1);
    QCOMPARE(visa[0].name, QString("Uncategorized"));
    QCOMPARE(visa[0].amount, qint64(-2500));
}

void ReportServiceTest::payeesMostNegativeFirst()
{
    const auto rows = m_reports->payeeSummary(QDate(2026, 1, 1), QDate(2026, 12, 31), {});
    QCOMPARE(rows.first().payee, QString("Airline"));
    QCOMPARE(rows[1].payee, QString("Grocer"));
    QCOMPARE(rows[1].total, qint64(-6300));
    QCOMPARE(rows[1].count, 3);
    QCOMPARE(rows.last().payee, QString("Employer"));
}

void ReportServiceTest::taxReportSkipsUncategorized()
{
    const auto rows = m_reports->taxReport(QDate(2026, 1, 1), QDate(2026, 12, 31));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].category, QString("Charity"));
    QCOMPARE(rows[0].taxCategory, QString("charitable_contributions"));
    QCOMPARE(rows[0].total, qint64(-1500));
}

void ReportServiceTest::cashFlowRowPerMonth()
{
    const auto rows =
        m_reports->cashFlowByMonth(QDate(2026, 1, 1), QDate(2026, 3, 31), m_checking.id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].month, QString("2026-01"));
    QCOMPARE(rows[0].income, qint64(10700));
    QCOMPARE(rows[0].expenses, qint64(-5500));
    QCOMPARE(rows[0].net, qint64(5200));
    QCOMPARE(m_reports->cashFlowByMonth(QDate(2026, 1, 1), QDate(2026, 3, 31), {}).size(), 2);
}

void ReportServiceTest::comparisonMergesBothPeriods()
{
    const auto rows = m_reports->compareCategories(QDate(2026, 1, 1), QDate(2026, 1, 31),
                                                   QDate(2026, 2, 1), QDate(2026, 2, 28), {});
    QStringList names;
    for (const auto &row : rows) {
        names << row.category;
    }
    QCOMPARE(names, QStringList({"Charity", "Food", "Salary", "Travel", "Uncategorized"}));
    QCOMPARE(rows[1].period1, qint64(-3300)); // deposits count here
    QCOMPARE(rows[1].period2, qint64(-3000));
    QCOMPARE(rows[1].change, qint64(300));
    QCOMPARE(rows[3].period1, qint64(0)); // only in period 2
    QCOMPARE(rows[3].change, qint64(-8000));
    QCOMPARE(rows[4].period1, qint64(-2500));
    QCOMPARE(rows[4].period2, qint64(-200));
    QCOMPARE(rows[2].period2, qint64(0));
    QCOMPARE(rows[2].change, qint64(-10000));
}

void ReportServiceTest::accountSummaryAddsStartingBalance()
{
    const auto rows = m_reports->accountSummary();
    QCOMPARE(rows.size(), 2); // the soft-deleted account is left out
    QCOMPARE(rows[0].name, QString("Checking"));
    QCOMPARE(rows[0].accountType, QString("checking"));
    QCOMPARE(rows[0].clearedBalance, qint64(5000 + 10000 - 4000));
    QCOMPARE(rows[0].unclearedAmount, qint64(700 - 1500));
    QCOMPARE(rows[0].totalBalance, qint64(5000 + 10000 - 4000 + 700 - 1500));
    QCOMPARE(rows[1].totalBalance, qint64(-13700));
}

void ReportServiceTest::transfersCountOnlyWhenIncluded_data()
{
    QTest::addColumn<bool>("include");
    QTest::addColumn<qint64>("income");
    QTest::addColumn<qint64>("expenses");
    QTest::newRow("included") << true << qint64(100000 + 20000) << qint64(-5000 - 20000);
    QTest::newRow("left out") << false << qint64(100000) << qint64(-5000);
}

// 200.00 moved from checking to savings is no income and no spending of the household.
void ReportServiceTest::transfersCountOnlyWhenIncluded()
{
    QFETCH(bool, include);
    QFETCH(qint64, income);
    QFETCH(qint64, expenses);
    // A file of its own beside the shared ledger, on a connection of its own.
    QTemporaryDir dir;
    Database database(QStringLiteral("transfers"), nullptr);
    QVERIFY(database.open(dir.filePath("transfers.db")) && database.runMigrations());
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    const Account checking = Records::account("Checking");
    const Account savings = Records::account("Savings", 1);
    QVERIFY(accounts.insert(checking) && accounts.insert(savings));
    const QDate day(2026, 3, 10);
    QVERIFY(transactions.insert(Records::transaction(checking.id, day, 100000, "Employer")));
    QVERIFY(transactions.insert(Records::transaction(checking.id, day, -5000, "Grocer")));
    TransactionService service(&database, &transactions, &accounts);
    QVERIFY(service.addTransfer(Records::transaction(checking.id, day, -20000), savings.id));

    ReportService reports(&database);
    QVERIFY(reports.includeTransfers()); // the default
    reports.setIncludeTransfers(include);
    const QDate from(2026, 3, 1);
    const QDate to(2026, 3, 31);
    const QList<MonthlyCashFlow> flow = reports.cashFlowByMonth(from, to, QString());
    QCOMPARE(flow.size(), 1);
    QCOMPARE(flow[0].income, income);
    QCOMPARE(flow[0].expenses, expenses);
    qint64 spent = 0;
    for (const CategoryAmount &row : reports.categorySpending(from, to, QString())) {
        spent += row.amount;
    }
    QCOMPARE(spent, expenses);
    QStringList payees;
    for (const PayeeTotal &row : reports.payeeSummary(from, to, QString())) {
        payees << row.payee;
    }
    QCOMPARE(payees.contains("Transfer to Savings"), include);
    QCOMPARE(payees.contains("Transfer from Checking"), include);
    // The account summary is no dated report: balances keep the transfer either way.
    QCOMPARE(reports.accountSummary().at(1).totalBalance, qint64(20000));

    ReportRequest request;
    request.from = from;
    request.to = to;
    request.compareFrom1 = request.compareFrom2 = from;
    request.compareTo1 = request.compareTo2 = to;
    request.includeTransfers = include;
    const ReportResults results = ReportRunner(&database, 0).run(request);
    QCOMPARE(results.cashFlow.size(), 1);
    QCOMPARE(results.cashFlow[0].income, income);
    QCOMPARE(results.cashFlow[0].expenses, expenses);
}

LEDGERWELL_TEST(ReportServiceTest)
#include "reportservice_test.moc"
