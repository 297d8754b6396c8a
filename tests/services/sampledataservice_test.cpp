#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"
#include "services/sampledataservice.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTest>

class SampleDataServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsTheHousehold();
    void registerEndsTodayWithItsBalance();
    void transfersAreLinkedPairs();
    void clearRemovesEverySampleRow();
    void handEnteredTransactionKeepsTheAccounts();
    void unknownCategoriesAreStoredAsNull();
    void refusedWriteLoadsNothing();

private:
    int count(const QString &sql) const { return m_db->scalar(sql).toInt(); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<SampleDataService> m_service;
};

void SampleDataServiceTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_service = std::make_unique<SampleDataService>(m_db->database());
}

void SampleDataServiceTest::cleanup()
{
    m_service.reset();
    m_db.reset();
}

void SampleDataServiceTest::loadsTheHousehold()
{
    CategoryRepository categories(m_db->database());
    CategoryService(m_db->database(), &categories).seedDefaults();
    QVERIFY(!m_service->isLoaded());
    QVERIFY(m_service->load());
    QVERIFY(m_service->isLoaded());
    QCOMPARE(count("SELECT COUNT(*) FROM accounts"), 3);
    // 49 sample rows and the opening balances of checking and savings.
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), 51);
    QCOMPARE(count("SELECT COUNT(*) FROM accounts WHERE starting_balance != 0"), 0);
    QCOMPARE(count("SELECT SUM(amount) FROM transactions WHERE payee = 'Opening Balance' AND "
                   "reconciled = 1"),
             1250000);
    // Written through the services: pending for the next sync, version 1.
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE sync_status != 'pending' OR version "
                   "!= 1"),
             0);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-checking'"),
             34);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-savings'"),
             5);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-visa'"), 12);
    QCOMPARE(count("SELECT COUNT(*) FROM recurring_transactions WHERE auto_post = 0 AND "
                   "is_active = 1"),
             3);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE id NOT LIKE 'sample-txn-%' AND id NOT "
                   "LIKE 'sample-xfer-%' AND payee != 'Opening Balance'"),
             0);
    // Every row that names a category found it in the default tree.
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL AND "
                   "transfer_link_id IS NULL AND amount < 0"),
             0);
    QCOMPARE(m_db->scalar("SELECT c.name FROM transactions t JOIN categories c ON t.category_id = "
                          "c.id WHERE t.check_number = '1041'")
                 .toString(),
             QString("Rent/Mortgage Payment"));
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE reconciled = 1 AND date > '" +
                   DateTimes::dateToText(QDate::currentDate().addDays(-30)) + "'"),
             0);
}

void SampleDataServiceTest::registerEndsTodayWithItsBalance()
{
    m_service->load();
    const QList<RegisterRow> rows =
        TransactionRepository(m_db->database()).registerRows("sample-acct-checking");
    QCOMPARE(rows.size(), 34); // the opening line and the 33 rows
    QCOMPARE(rows.first().transaction.payee, QString("Opening Balance"));
    QCOMPARE(rows.first().transaction.amount, qint64(250000));
    QVERIFY(!rows.first().transaction.id.isEmpty()); // a stored line, not a synthetic one
    QCOMPARE(rows.last().transaction.date, QDate::currentDate());
    const qint64 sum =
        m_db->scalar(
                "SELECT SUM(amount) FROM transactions WHERE account_id = 'sample-acct-checking'")
            .toLongLong();
    QCOMPARE(rows.last().runningBalance, sum);
}

void SampleDataServiceTest::transfersAreLinkedPairs()
{
    m_service->load();
    QCOMPARE(count("SELECT COUNT(*) FROM transactions a JOIN transactions b ON a.transfer_link_id "
                   "= b.id AND b.transfer_link_id = a.id AND a.amount = -b.amount AND "
                   "a.transfer_dest_account_id = b.account_id"),
             4);
}

void SampleDataServiceTest::clearRemovesEverySampleRow()
{
    m_service->load();
    m_service->clear();
    QVERIFY(!m_service->isLoaded());
    for (const char *table :
         {"accounts", "transactions", "recurring_transactions", "reconciliations", "split_lines"}) {
        QCOMPARE(count(QString("SELECT COUNT(*) FROM %1 WHERE id LIKE 'sample-%'").arg(table)), 0);
    }
    QCOMPARE(
        count("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'Greenleaf'"), 0);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), 0); // the opening balances went too
}

void SampleDataServiceTest::handEnteredTransactionKeepsTheAccounts()
{
    m_service->load();
    QVERIFY(TransactionRepository(m_db->database())
                .insert(Records::transaction("sample-acct-visa", QDate::currentDate(), -100,
                                             "Typed by hand")));
    m_service->clear();
    QCOMPARE(count("SELECT COUNT(*) FROM accounts WHERE id LIKE 'sample-%'"), 3);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), 1);
    QVERIFY(m_service->isLoaded());
}

void SampleDataServiceTest::refusedWriteLoadsNothing()
{
    QSqlQuery trigger(m_db->db());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON recurring_transactions BEGIN "
                         "SELECT RAISE(ABORT, 'refused'); END"));
    QVERIFY(!m_service->load());
    QVERIFY(!m_service->isLoaded());
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), 0);
}

void SampleDataServiceTest::unknownCategoriesAreStoredAsNull()
{
    m_service->load(); // no category tree at all
    QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE category_id IS NOT NULL"), 0);
    QCOMPARE(count("SELECT COUNT(*) FROM transactions"), 51);
}

LEDGERWELL_TEST(SampleDataServiceTest)
#include "sampledataservice_test.moc"
