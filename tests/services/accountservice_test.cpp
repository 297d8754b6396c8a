#include "data/accountrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTest>

class AccountServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deleteAndRestoreTheWholeAccount();
    void failurePartWayLeavesEverythingLive();
    void createStoresTheOpeningBalanceOrNothing();
    void restoreKeepsWhatWasDeletedEarlierOnItsOwn();
    void editChangesTheOneOpeningBalance_data();
    void editChangesTheOneOpeningBalance();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<AccountService> m_cascade;
    Account m_account;
};

void AccountServiceTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_recurring = std::make_unique<RecurringRepository>(m_db->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_db->database());
    m_cascade =
        std::make_unique<AccountService>(m_db->database(), m_accounts.get(), m_transactions.get(),
                                         m_recurring.get(), m_reconciliations.get());
    m_account = Records::account("Checking");
    QVERIFY(m_accounts->insert(m_account));
    QVERIFY(m_transactions->insert(Records::transaction(m_account.id, QDate(2026, 1, 1), -1)));
    QVERIFY(m_transactions->insert(Records::transaction(m_account.id, QDate(2026, 1, 2), -2)));
    QVERIFY(m_recurring->insert(Records::recurring(m_account.id, QDate(2026, 2, 1))));
    QVERIFY(m_reconciliations->insert(Records::reconciliation(m_account.id, QDate(2026, 1, 31))));
}

void AccountServiceTest::cleanup()
{
    m_cascade.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

void AccountServiceTest::deleteAndRestoreTheWholeAccount()
{
    const auto deleted = m_cascade->remove(m_account.id);
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

void AccountServiceTest::failurePartWayLeavesEverythingLive()
{
    // The account row refuses the deletion after its children were already deleted.
    QSqlQuery trigger(m_db->db());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON accounts BEGIN "
                         "SELECT RAISE(ABORT, 'refused'); END"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("AccountRepository::softDelete failed"));
    QVERIFY(!m_cascade->remove(m_account.id));
    QCOMPARE(m_accounts->findAll().size(), 1);
    QCOMPARE(m_transactions->findByAccount(m_account.id).size(), 2);
    QCOMPARE(m_recurring->findAll().size(), 1);
    QCOMPARE(m_reconciliations->findByAccount(m_account.id).size(), 1);
}

void AccountServiceTest::createStoresTheOpeningBalanceOrNothing()
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

void AccountServiceTest::restoreKeepsWhatWasDeletedEarlierOnItsOwn()
{
    const QList<Transaction> lines = m_transactions->findByAccount(m_account.id);
    QVERIFY(m_cascade->remove(m_account.id));
    const QDateTime deletedAt = *m_accounts->findById(m_account.id)->deletedAt;
    // One line was deleted on its own a day earlier; the other a few seconds before the account,
    // as the rows of one slow cascade are.
    QSqlQuery update(m_db->db());
    QVERIFY(update.prepare("UPDATE transactions SET deleted_at = ? WHERE id = ?"));
    update.addBindValue(DateTimes::timestampToText(deletedAt.addDays(-1)));
    update.addBindValue(lines[0].id);
    QVERIFY(update.exec());
    update.addBindValue(DateTimes::timestampToText(deletedAt.addSecs(-8)));
    update.addBindValue(lines[1].id);
    QVERIFY(update.exec());

    const auto restored = m_cascade->restore(m_account.id);
    QVERIFY(restored);
    QCOMPARE(restored->transactions, 1);
    const QList<Transaction> live = m_transactions->findByAccount(m_account.id);
    QCOMPARE(live.size(), 1);
    QCOMPARE(live[0].id, lines[1].id);
}

void AccountServiceTest::editChangesTheOneOpeningBalance_data()
{
    QTest::addColumn<qint64>("startingBalance"); // stored on the account (older files)
    QTest::addColumn<qint64>("openingLine");     // an "Opening Balance" line, 0 for none
    QTest::addColumn<qint64>("typed");
    QTest::addColumn<qint64>("expectedStarting");
    QTest::addColumn<int>("expectedOpeningLines");
    QTest::addColumn<qint64>("expectedBalance");

    // The account already holds -3 from init().
    QTest::newRow("line changes") << qint64(0) << qint64(-19299) << qint64(-40000) << qint64(0) << 1
                                  << qint64(-40003);
    QTest::newRow("line removed by zero")
        << qint64(0) << qint64(-19299) << qint64(0) << qint64(0) << 0 << qint64(-3);
    QTest::newRow("none, then one")
        << qint64(0) << qint64(0) << qint64(5000) << qint64(0) << 1 << qint64(4997);
    QTest::newRow("starting balance edited in place")
        << qint64(700) << qint64(0) << qint64(900) << qint64(900) << 0 << qint64(897);
}

void AccountServiceTest::editChangesTheOneOpeningBalance()
{
    QFETCH(qint64, startingBalance);
    QFETCH(qint64, openingLine);
    QFETCH(qint64, typed);
    Account account = *m_accounts->findById(m_account.id);
    account.startingBalance = startingBalance;
    QVERIFY(m_accounts->update(account));
    if (openingLine != 0) {
        Transaction line = Records::transaction(account.id, QDate(2025, 12, 1), openingLine,
                                                AccountService::kOpeningBalancePayee);
        QVERIFY(m_transactions->insert(line));
    }
    const AccountService::OpeningBalance shown = m_cascade->openingBalance(account.id);
    QCOMPARE(shown.amount, openingLine != 0 ? openingLine : startingBalance);

    account.name = "Everyday";
    QVERIFY(m_cascade->edit(account, typed, QDate(2025, 11, 15)));
    // Editing again with what the form now shows changes nothing.
    const AccountService::OpeningBalance after = m_cascade->openingBalance(account.id);
    QCOMPARE(after.amount, typed);
    QVERIFY(m_cascade->edit(account, after.amount,
                            after.date.isValid() ? after.date : QDate(2025, 11, 15)));

    const Account stored = *m_accounts->findById(account.id);
    QCOMPARE(stored.name, QString("Everyday"));
    QTEST(stored.startingBalance, "expectedStarting");
    int openingLines = 0;
    qint64 balance = stored.startingBalance;
    for (const Transaction &t : m_transactions->findByAccount(account.id)) {
        openingLines += t.payee == AccountService::kOpeningBalancePayee ? 1 : 0;
        balance += t.amount;
        if (t.payee == AccountService::kOpeningBalancePayee) {
            QCOMPARE(t.date, QDate(2025, 11, 15));
        }
    }
    QTEST(openingLines, "expectedOpeningLines");
    QTEST(balance, "expectedBalance");
}

LEDGERWELL_TEST(AccountServiceTest)
#include "accountservice_test.moc"
