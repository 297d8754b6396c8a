#include "data/accountrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/mainwindow.h"
#include "ui/reconciliationhistoryscreen.h"
#include "ui/reconciliationscreen.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

class ReconciliationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startingBalanceFinishesWithNothingTicked();
    void tickedDepositAndPayment();
    void ticksSurviveReloads();
    void nextStatementAfterFinish();
    void spaceWithoutCurrentRowChangesNothing();
    void failedFinishMarksNothing();
    void historyListsReconciliations();

private:
    Transaction add(const QDate &date, qint64 amount, bool cleared = false);
    std::unique_ptr<ReconciliationScreen> open();

    std::unique_ptr<TestAppState> m_state;
    Account m_account;
    QStringList m_messages;
};

void ReconciliationTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking", 0, 10000);
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
    m_messages.clear();
}

void ReconciliationTest::cleanup()
{
    m_state.reset();
}

Transaction ReconciliationTest::add(const QDate &date, qint64 amount, bool cleared)
{
    Transaction t = Records::transaction(m_account.id, date, amount, QString("T%1").arg(amount));
    t.cleared = cleared;
    if (!(*m_state)->transactionRepository()->insert(t)) {
        qFatal("insert failed");
    }
    return t;
}

std::unique_ptr<ReconciliationScreen> ReconciliationTest::open()
{
    auto screen = std::make_unique<ReconciliationScreen>(m_state->get());
    const auto record = [this](QWidget *, const QString &title, const QString &) {
        m_messages << title;
    };
    screen->setMessages(record, record);
    screen->setAccount(m_account.id);
    return screen;
}

void ReconciliationTest::startingBalanceFinishesWithNothingTicked()
{
    auto screen = open();
    QCOMPARE(screen->summaryText("Previous Balance"), QString("$100.00"));
    QVERIFY(!screen->canFinish());
    screen->statementBalance()->setValue(100.00);
    QCOMPARE(screen->summaryText("Difference"), QString("$0.00"));
    QVERIFY(screen->canFinish());
    QSignalSpy done(screen.get(), &ReconciliationScreen::reconciliationCompleted);
    screen->finish();
    QCOMPARE(done.count(), 1);
    QCOMPARE(m_messages, QStringList{"Reconciliation Complete"});
    const auto rec = (*m_state)->reconciliationRepository()->latestForAccount(m_account.id);
    QVERIFY(rec);
    QCOMPARE(rec->reconciledBalance, qint64(10000));
    QCOMPARE(rec->statementBalance, qint64(10000));
}

void ReconciliationTest::tickedDepositAndPayment()
{
    add(QDate(2026, 1, 5), 5000);
    add(QDate(2026, 1, 6), -2000);
    auto screen = open();
    screen->setTicked(0, true);
    screen->setTicked(1, true);
    QCOMPARE(screen->summaryText("Cleared Deposits"), QString("$50.00"));
    QCOMPARE(screen->summaryText("Cleared Withdrawals"), QString("-$20.00"));
    QCOMPARE(screen->summaryText("Cleared Balance"), QString("$130.00"));
    screen->statementBalance()->setValue(130.00);
    QVERIFY(screen->canFinish());
}

void ReconciliationTest::ticksSurviveReloads()
{
    add(QDate(2026, 1, 5), 5000, true); // stored cleared: starts ticked
    add(QDate(2026, 1, 6), -2000);
    auto screen = open();
    QVERIFY(screen->isTicked(0));
    QVERIFY(!screen->isTicked(1));
    screen->setTicked(0, false);
    screen->setDialogRunner([](QDialog *) { return true; });
    screen->addTransaction(); // a new line reloads the candidates
    QCOMPARE(screen->table()->rowCount(), 3);
    QVERIFY(!screen->isTicked(0)); // the removed tick survived
}

void ReconciliationTest::nextStatementAfterFinish()
{
    add(QDate(2026, 1, 5), 5000);
    add(QDate(2026, 2, 20), -1000);
    {
        auto screen = open();
        screen->statementDate()->setDate(QDate(2026, 1, 31));
        screen->setTicked(0, true);
        screen->statementBalance()->setValue(150.00);
        screen->finish();
    }
    auto next = open();
    QCOMPARE(next->summaryText("Previous Balance"), QString("$150.00"));
    QCOMPARE(next->table()->rowCount(), 1);
    QCOMPARE(next->statementDate()->date(), QDate(2026, 2, 28));
    const Transaction stored = *(*m_state)->transactionRepository()->findById(
        (*m_state)->transactionRepository()->findByAccount(m_account.id).last().id);
    QVERIFY(stored.reconciled && stored.cleared);
}

void ReconciliationTest::spaceWithoutCurrentRowChangesNothing()
{
    add(QDate(2026, 1, 5), 5000);
    auto screen = open();
    screen->table()->setCurrentCell(-1, -1);
    QTest::keyClick(screen->table(), Qt::Key_Space);
    QVERIFY(!screen->isTicked(0));
    screen->table()->setCurrentCell(0, 2);
    QTest::keyClick(screen->table(), Qt::Key_Space);
    QVERIFY(screen->isTicked(0));
}

void ReconciliationTest::failedFinishMarksNothing()
{
    const Transaction t = add(QDate(2026, 1, 5), 5000);
    auto screen = open();
    screen->setTicked(0, true);
    screen->statementBalance()->setValue(150.00);
    QSqlQuery trigger((*m_state)->database()->database());
    QVERIFY(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations BEGIN "
                         "SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy done(screen.get(), &ReconciliationScreen::reconciliationCompleted);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("ReconciliationRepository::insert failed"));
    screen->finish();
    QCOMPARE(done.count(), 0);
    QCOMPARE(m_messages, QStringList{"Reconciliation Failed"});
    QVERIFY(!(*m_state)->transactionRepository()->findById(t.id)->reconciled);
}

void ReconciliationTest::historyListsReconciliations()
{
    ReconciliationHistoryScreen history(m_state->get());
    history.setAccount(m_account.id);
    QVERIFY(history.showsEmptyState());
    QCOMPARE(history.headingText(), QString("Reconciliation History \u2014 Checking"));
    QVERIFY((*m_state)->reconciliationRepository()->insert(
        Records::reconciliation(m_account.id, QDate(2026, 1, 31))));
    QVERIFY((*m_state)->reconciliationRepository()->insert(
        Records::reconciliation(m_account.id, QDate(2026, 2, 28))));
    history.setAccount(m_account.id);
    QVERIFY(!history.showsEmptyState());
    QCOMPARE(history.table()->rowCount(), 2);
    QCOMPARE(history.table()->item(0, 0)->text(), QString("Feb 28, 2026"));
    QCOMPARE(history.table()->item(0, 1)->text(), QString("$10.00"));
}

LEDGERWELL_TEST(ReconciliationTest)
#include "reconciliation_test.moc"
