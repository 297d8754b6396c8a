#include "data/accountrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QSqlQuery>
#include <QTest>

class TransactionServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newTransferIsALinkedPair();
    void refusedTransfersStoreNothing_data();
    void refusedTransfersStoreNothing();
    void editToTransferPrefixMakesAPair();
    void editingOneLegLeavesTheOther();
    void reconciledLineLosesItsMarkWhenItsMoneyChanges_data();
    void reconciledLineLosesItsMarkWhenItsMoneyChanges();
    void deletingEitherLegDeletesBoth_data();
    void deletingEitherLegDeletesBoth();
    void failedDeleteLeavesBothLegs();
    void toggleRaisesVersionKeepsReconciledMark();
    void mergePayees();
    void amountsBeyondTheLimitAreRefused();

private:
    Transaction line(qint64 amount, const QString &payee = QStringLiteral("Cafe")) const;
    int liveCount(const QString &accountId) const;

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<TransactionService> m_service;
    Account m_checking;
    Account m_savings;
    Account m_euro;
};

void TransactionServiceTest::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_service = std::make_unique<TransactionService>(m_db->database(), m_transactions.get(),
                                                     m_accounts.get());
    m_checking = Records::account("Checking");
    m_savings = Records::account("Savings");
    m_euro = Records::account("Euro Savings");
    m_euro.currency = Currency::EUR;
    for (const Account &a : {m_checking, m_savings, m_euro}) {
        QVERIFY(m_accounts->insert(a));
    }
}

void TransactionServiceTest::cleanup()
{
    m_service.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

Transaction TransactionServiceTest::line(qint64 amount, const QString &payee) const
{
    Transaction t;
    t.accountId = m_checking.id;
    t.date = QDate(2026, 11, 15);
    t.payee = payee;
    t.amount = amount;
    return t;
}

int TransactionServiceTest::liveCount(const QString &accountId) const
{
    return int(m_transactions->findByAccount(accountId).size());
}

void TransactionServiceTest::newTransferIsALinkedPair()
{
    QVERIFY(m_service->add(line(-5000, "[Transfer] Savings")));
    const QList<Transaction> checking = m_transactions->findByAccount(m_checking.id);
    const QList<Transaction> savings = m_transactions->findByAccount(m_savings.id);
    QCOMPARE(checking.size(), 1);
    QCOMPARE(savings.size(), 1);
    QCOMPARE(checking[0].payee, QString("Transfer to Savings"));
    QCOMPARE(checking[0].amount, qint64(-5000));
    QCOMPARE(savings[0].payee, QString("Transfer from Checking"));
    QCOMPARE(savings[0].amount, qint64(5000));
    QCOMPARE(checking[0].transferLinkId, savings[0].id);
    QCOMPARE(savings[0].transferLinkId, checking[0].id);
    QCOMPARE(checking[0].transferDestAccountId, m_savings.id);
    QCOMPARE(savings[0].transferDestAccountId, m_checking.id);
}

void TransactionServiceTest::refusedTransfersStoreNothing_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("error");
    QTest::newRow("names match exactly") << "[Transfer] savings"
                                         << "Transfer account not found";
    QTest::newRow("unknown account") << "[Transfer] Brokerage"
                                     << "Transfer account not found";
    QTest::newRow("other currency") << "[Transfer] Euro Savings"
                                    << "Transfers require both accounts to use the same currency";
    QTest::newRow("to itself") << "[Transfer] Checking"
                               << "A transfer needs two different accounts";
}

void TransactionServiceTest::refusedTransfersStoreNothing()
{
    QFETCH(QString, payee);
    QVERIFY(!m_service->add(line(-5000, payee)));
    QTEST(m_service->lastError(), "error");
    QCOMPARE(liveCount(m_checking.id) + liveCount(m_savings.id) + liveCount(m_euro.id), 0);

    // The same text typed over an existing line is refused alike and changes nothing.
    QVERIFY(m_service->add(line(-700)));
    Transaction edited = m_transactions->findByAccount(m_checking.id).first();
    edited.payee = payee;
    QVERIFY(!m_service->update(edited));
    QTEST(m_service->lastError(), "error");
    QCOMPARE(m_transactions->findByAccount(m_checking.id).first().payee, QString("Cafe"));
    QCOMPARE(liveCount(m_savings.id) + liveCount(m_euro.id), 0);
}

void TransactionServiceTest::editToTransferPrefixMakesAPair()
{
    QVERIFY(m_service->add(line(-2500, "ATM")));
    Transaction edited = m_transactions->findByAccount(m_checking.id).first();
    edited.payee = "[Transfer] Savings";
    QVERIFY(m_service->update(edited));
    const Transaction stored = m_transactions->findByAccount(m_checking.id).first();
    QCOMPARE(stored.payee, QString("Transfer to Savings"));
    QCOMPARE(stored.version, 2);
    const QList<Transaction> savings = m_transactions->findByAccount(m_savings.id);
    QCOMPARE(savings.size(), 1);
    QCOMPARE(savings[0].amount, qint64(2500));
    QCOMPARE(savings[0].transferLinkId, stored.id);
    QCOMPARE(stored.transferLinkId, savings[0].id);
}

void TransactionServiceTest::editingOneLegLeavesTheOther()
{
    QVERIFY(m_service->add(line(-5000, "[Transfer] Savings")));
    Transaction edited = m_transactions->findByAccount(m_checking.id).first();
    edited.amount = -6000;
    QVERIFY(m_service->update(edited));
    QCOMPARE(m_transactions->findByAccount(m_savings.id).first().amount, qint64(5000));
    QCOMPARE(m_transactions->findByAccount(m_checking.id).first().amount, qint64(-6000));
}

void TransactionServiceTest::reconciledLineLosesItsMarkWhenItsMoneyChanges_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("staysReconciled");
    QTest::newRow("amount") << "amount" << false;
    QTest::newRow("date") << "date" << false;
    QTest::newRow("memo") << "memo" << true;
}

void TransactionServiceTest::reconciledLineLosesItsMarkWhenItsMoneyChanges()
{
    QFETCH(QString, field);
    Transaction t = line(-1200);
    t.cleared = true;
    t.reconciled = true;
    QVERIFY(m_service->add(t));
    const Transaction stored = m_transactions->findByAccount(m_checking.id).first();
    Transaction edited = stored;
    if (field == "amount") {
        edited.amount = -1300;
    } else if (field == "date") {
        edited.date = edited.date.addDays(1);
    } else {
        edited.memo = "lunch";
    }
    QCOMPARE(TransactionService::changesReconciled(stored, edited), field != "memo");
    QVERIFY(m_service->update(edited));
    const Transaction after = *m_transactions->findById(stored.id);
    QTEST(after.reconciled, "staysReconciled");
    QVERIFY(after.cleared);
}

void TransactionServiceTest::deletingEitherLegDeletesBoth_data()
{
    QTest::addColumn<bool>("fromSavings");
    QTest::newRow("from the source leg") << false;
    QTest::newRow("from the other leg") << true;
}

void TransactionServiceTest::deletingEitherLegDeletesBoth()
{
    QFETCH(bool, fromSavings);
    QVERIFY(m_service->add(line(-5000, "[Transfer] Savings")));
    const QString account = fromSavings ? m_savings.id : m_checking.id;
    QVERIFY(m_service->remove(m_transactions->findByAccount(account).first().id));
    QCOMPARE(liveCount(m_checking.id), 0);
    QCOMPARE(liveCount(m_savings.id), 0);
}

void TransactionServiceTest::failedDeleteLeavesBothLegs()
{
    QVERIFY(m_service->add(line(-5000, "[Transfer] Savings")));
    const Transaction source = m_transactions->findByAccount(m_checking.id).first();
    // The second soft delete (this leg, after its counterpart) is refused.
    QSqlQuery trigger(m_db->db());
    QVERIFY(
        trigger.exec(QString("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON transactions "
                             "WHEN OLD.id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                         .arg(source.id)));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("TransactionRepository::softDelete failed"));
    QVERIFY(!m_service->remove(source.id));
    QCOMPARE(m_service->lastError(), QString("The transaction could not be deleted"));
    QCOMPARE(liveCount(m_checking.id), 1);
    QCOMPARE(liveCount(m_savings.id), 1);
}

void TransactionServiceTest::toggleRaisesVersionKeepsReconciledMark()
{
    Transaction t = line(-100);
    t.reconciled = true;
    QVERIFY(m_service->add(t));
    const Transaction stored = m_transactions->findByAccount(m_checking.id).first();
    QVERIFY(m_service->toggleCleared(stored.id));
    const Transaction after = *m_transactions->findById(stored.id);
    QVERIFY(after.cleared);
    QVERIFY(after.reconciled);
    // Raised like any change, so an edit synced from elsewhere cannot silently undo it.
    QCOMPARE(after.version, stored.version + 1);
    QVERIFY(!m_service->toggleCleared("no-such-id"));
}

void TransactionServiceTest::mergePayees()
{
    for (const char *payee : {"FRESHWAY #12", "Freshway", "FRESHWAY 0042", "Bakery"}) {
        QVERIFY(m_service->add(line(-100, payee)));
    }
    const auto changed = m_service->renamePayees({"FRESHWAY #12", "FRESHWAY 0042"}, "Freshway");
    QVERIFY(changed);
    QCOMPARE(*changed, 2);
    QStringList payees = m_transactions->distinctPayees();
    QCOMPARE(payees, QStringList({"Bakery", "Freshway"}));
}

void TransactionServiceTest::amountsBeyondTheLimitAreRefused()
{
    QVERIFY(m_service->add(line(kMaxStoredAmount)));
    QVERIFY(m_service->add(line(-kMaxStoredAmount)));
    QVERIFY(!m_service->add(line(kMaxStoredAmount + 1)));
    QCOMPARE(m_service->lastError(), QString("The amount is too large"));
    Transaction edited = m_transactions->findByAccount(m_checking.id).first();
    edited.amount = -kMaxStoredAmount - 1;
    QVERIFY(!m_service->update(edited));
    QCOMPARE(liveCount(m_checking.id), 2);
}

LEDGERWELL_TEST(TransactionServiceTest)
#include "transactionservice_test.moc"
