#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "services/transactionservice.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/mainwindow.h"
#include "ui/reconciliationhistoryscreen.h"
#include "ui/reconciliationmodel.h"
#include "ui/reconciliationscreen.h"

#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
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
    void deletingOneLegDeletesBoth();
    void failedDeleteKeepsBothLegs();
    void failedAddShowsWhy();
    void yenStatementBalanceIsWholeYen();
    void editingALineReconciledMeanwhileAsksFirst_data();
    void editingALineReconciledMeanwhileAsksFirst();

private:
    Transaction add(const QDate &date, qint64 amount, bool cleared = false);
    Transaction addTransfer(const Account &other, qint64 amount);
    void refuse(const QString &trigger);
    std::unique_ptr<ReconciliationScreen> open();

    std::unique_ptr<TestAppState> m_state;
    Account m_account;
    QStringList m_messages;
    QStringList m_texts;
};

void ReconciliationTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking", 0, 10000);
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
    m_messages.clear();
    m_texts.clear();
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
    const auto record = [this](QWidget *, const QString &title, const QString &text) {
        m_messages << title;
        m_texts << text;
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
    QCOMPARE(screen->model()->rowCount(), 3);
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
    QCOMPARE(next->model()->rowCount(), 1);
    QCOMPARE(next->statementDate()->date(), QDate(2026, 2, 28));
    const Transaction stored = *(*m_state)->transactionRepository()->findById(
        (*m_state)->transactionRepository()->findByAccount(m_account.id).last().id);
    QVERIFY(stored.reconciled && stored.cleared);
}

void ReconciliationTest::spaceWithoutCurrentRowChangesNothing()
{
    add(QDate(2026, 1, 5), 5000);
    auto screen = open();
    screen->table()->setCurrentIndex(QModelIndex());
    QTest::keyClick(screen->table(), Qt::Key_Space);
    QVERIFY(!screen->isTicked(0));
    screen->table()->setCurrentIndex(screen->model()->index(0, 2));
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

Transaction ReconciliationTest::addTransfer(const Account &other, qint64 amount)
{
    Transaction t = Records::transaction(m_account.id, QDate(2026, 1, 8), amount);
    if (!(*m_state)->transactionService()->addTransfer(t, other.id)) {
        qFatal("transfer failed");
    }
    return *(*m_state)->transactionRepository()->findById(t.id);
}

void ReconciliationTest::refuse(const QString &trigger)
{
    QSqlQuery query((*m_state)->database()->database());
    QVERIFY2(query.exec(trigger), qPrintable(query.lastError().text()));
}

void ReconciliationTest::deletingOneLegDeletesBoth()
{
    const Account savings = Records::account("Savings", 1);
    QVERIFY((*m_state)->accountRepository()->insert(savings));
    const Transaction leg = addTransfer(savings, -20000);
    auto screen = open();
    screen->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    QCOMPARE(screen->model()->rowCount(), 1);
    screen->table()->setCurrentIndex(screen->model()->index(0, 2));
    screen->deleteSelectedTransaction();
    QCOMPARE(screen->model()->rowCount(), 0);
    TransactionRepository *repo = (*m_state)->transactionRepository();
    QVERIFY(repo->findById(leg.id)->deletedAt);
    QVERIFY(repo->findById(leg.transferLinkId)->deletedAt);
    QVERIFY(repo->findByAccount(savings.id).isEmpty());
    QVERIFY(m_messages.isEmpty());
}

void ReconciliationTest::failedDeleteKeepsBothLegs()
{
    const Account savings = Records::account("Savings", 1);
    QVERIFY((*m_state)->accountRepository()->insert(savings));
    const Transaction leg = addTransfer(savings, -20000);
    // The other side goes first, then this line fails: the first delete must be undone.
    refuse(QString("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON transactions "
                   "WHEN OLD.id = '%1' BEGIN SELECT RAISE(ABORT, 'refused'); END")
               .arg(leg.id));
    auto screen = open();
    screen->setQuestion([](QWidget *, const QString &, const QString &) { return true; });
    screen->table()->setCurrentIndex(screen->model()->index(0, 2));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("softDelete failed"));
    screen->deleteSelectedTransaction();
    QCOMPARE(m_texts, QStringList{"The transaction could not be deleted"});
    QCOMPARE(screen->model()->rowCount(), 1);
    TransactionRepository *repo = (*m_state)->transactionRepository();
    QVERIFY(!repo->findById(leg.id)->deletedAt);
    QVERIFY(!repo->findById(leg.transferLinkId)->deletedAt);
}

void ReconciliationTest::failedAddShowsWhy()
{
    refuse("CREATE TRIGGER refuse BEFORE INSERT ON transactions BEGIN "
           "SELECT RAISE(ABORT, 'refused'); END");
    auto screen = open();
    screen->setDialogRunner([](QDialog *) { return true; });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed"));
    screen->addTransaction();
    QCOMPARE(m_texts, QStringList{"The transaction could not be saved"});
    QCOMPARE(screen->model()->rowCount(), 0);
    QVERIFY((*m_state)->transactionRepository()->findByAccount(m_account.id).isEmpty());
}

void ReconciliationTest::yenStatementBalanceIsWholeYen()
{
    Account yen = Records::account("Yen Wallet", 1, 10000); // 10,000 yen
    yen.currency = Currency::JPY;
    QVERIFY((*m_state)->accountRepository()->insert(yen));
    auto screen = std::make_unique<ReconciliationScreen>(m_state->get());
    screen->setAccount(yen.id);
    QCOMPARE(screen->statementBalance()->decimals(), 0);
    QVERIFY(screen->statementBalance()->prefix().startsWith(currencySymbol(Currency::JPY)));
    screen->statementBalance()->setValue(10000);
    QCOMPARE(screen->summaryText("Statement Balance"), formatMoney(10000, Currency::JPY));
    QCOMPARE(screen->difference(), qint64(0));
    QVERIFY(screen->canFinish());
}

void ReconciliationTest::editingALineReconciledMeanwhileAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes changes it") << true;
    QTest::newRow("no keeps it") << false;
}

void ReconciliationTest::editingALineReconciledMeanwhileAsksFirst()
{
    QFETCH(bool, answer);
    Transaction t = add(QDate(2026, 1, 5), -5000);
    auto screen = open();
    QCOMPARE(screen->model()->index(0, 2).data().toString(), t.payee); // the window read it
    // Reconciled elsewhere after the window read its list.
    t.cleared = true;
    t.reconciled = true;
    QVERIFY((*m_state)->transactionRepository()->update(t));
    QStringList asked;
    screen->setQuestion([&](QWidget *, const QString &, const QString &text) {
        asked << text;
        return answer;
    });
    screen->setDialogRunner([](QDialog *dialog) {
        dialog->findChild<SmartAmountField *>()->setValue(75.00);
        return true;
    });
    screen->table()->setCurrentIndex(screen->model()->index(0, 2));
    screen->editSelectedTransaction();
    QCOMPARE(asked, QStringList{"This transaction is reconciled. Change it anyway?"});
    const Transaction stored = *(*m_state)->transactionRepository()->findById(t.id);
    QCOMPARE(stored.amount, answer ? qint64(-7500) : qint64(-5000));
    QCOMPARE(stored.reconciled, !answer);
    QVERIFY(stored.cleared);
}

LEDGERWELL_TEST(ReconciliationTest)
#include "reconciliation_test.moc"
