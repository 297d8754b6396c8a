#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountcascade.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTest>

class AccountCascadeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deleteAndRestoreTheWholeAccount();
    void failurePartWayLeavesEverythingLive();
    void createStoresTheOpeningBalanceOrNothing();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<AccountCascade> m_cascade;
    Account m_account;
};

void AccountCascadeTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_db->database());
    m_cascade =
        std::make_unique<AccountCascade>(m_db->database(), m_accounts.get(), m_transactions.get(),
                                         m_recurring.get(), m_reconciliations.get());
    m_account = Records::account("Checking");
    QVERIFY(m_accounts->insert(m_account));
    QVERIFY(m_transactions->insert(Records::transaction(m_account.id, QDate(2026, 1, 1), -1)));
    QVERIFY(m_transactions->insert(Records::transaction(m_account.id, QDate(2026, 1, 2), -2)));
    QVERIFY(m_recurring->insert(Records::recurring(m_account.id, QDate(2026, 2, 1))));
    QVERIFY(m_reconciliations->insert(Records::reconciliation(m_account.id, QDate(2026, 1, 31))));
}

void AccountCascadeTest::cleanup()
{
    m_cascade.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

void AccountCascadeTest::deleteAndRestoreTheWholeAccount()
{
    const auto deleted = m_cascade->softDelete(m_account.id);
    QVERIFY(deleted);
    QCOMPARE(deleted->transactions, 2);
    QCOMPARE(deleted->recurrings, 1);
    QCOMPARE(deleted->reconciliations, 1);
    QVERIFY(m_accounts->findAll().isEmpty());
    QVERIFY(m_transactions->findByAccount(m_account.id).isEmpty());

    const auto restored = m_cascade->restore(m_account.id);
    QVERIFY(restored);
    QCOMPARE(restored->transactions, 2);
    QCOMPARE(restored->recurrings, 1);
    QCOMPARE(restored->reconciliations, 1);
    QCOMPARE(m_accounts->findAll().size(), 1);
    QCOMPARE(m_transactions->findByAccount(m_account.id).size(), 2);
    QCOMPARE(m_recurring->findAll().size(), 1);
    QVERIFY(!m_cascade->restore(m_account.id)); // not deleted any more
}

void AccountCascadeTest::failurePartWayLeavesEverythingLive()
{
    // The account row refuses the deletion after its children were already deleted.
    QSqlQuery trigger(m_db->db());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON accounts BEGIN "
                         "SELECT RAISE(ABORT, 'refused'); END"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("AccountRepository::softDelete failed"));
    QVERIFY(!m_cascade->softDelete(m_account.id));
    QCOMPARE(m_accounts->findAll().size(), 1);
    QCOMPARE(m_transactions->findByAccount(m_account.id).size(), 2);
    QCOMPARE(m_recurring->findAll().size(), 1);
    QCOMPARE(m_reconciliations->findByAccount(m_account.id).size(), 1);
}

void AccountCascadeTest::createStoresTheOpeningBalanceOrNothing()
{
    Account savings = Records::account("Savings");
    savings.startingBalance = 2500;
    QVERIFY(m_cascade->create(savings, QDate(2026, 3, 1)));
    QCOMPARE(m_accounts->findById(savings.id)->startingBalance, qint64(0));
    const QList<Transaction> rows = m_transactions->findByAccount(savings.id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].amount, qint64(2500));
    QCOMPARE(rows[0].date, QDate(2026, 3, 1));

    // An account whose opening balance cannot be stored is not stored either.
    QSqlQuery trigger(m_db->db());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON transactions BEGIN "
                         "SELECT RAISE(ABORT, 'refused'); END"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed"));
    Account broken = Records::account("Broken");
    broken.startingBalance = 100;
    QVERIFY(!m_cascade->create(broken, QDate(2026, 3, 1)));
    QVERIFY(!m_accounts->findById(broken.id));
}

LEDGERWELL_TEST(AccountCascadeTest)
#include "accountcascade_test.moc"
