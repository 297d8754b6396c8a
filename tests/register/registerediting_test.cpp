#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/registerdelegate.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "support/records.h"
#include "support/registerhost.h"
#include "support/testappstate.h"
#include "support/testrunner.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

// The register typed into as a user would: key presses into the real editors.
class RegisterEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fullEntryWithEnterCommitsOnTheClearedField();
    void tabOnTheLastFieldDoesNothing();
    void twoLineTabOrderGoesThroughTheMemoLine();
    void transferStoresTwoLinkedLegs();
    void refusedSaveKeepsTheLine_data();
    void refusedSaveKeepsTheLine();
    void payeeRules_data();
    void payeeRules();
    void paymentWinsOverDeposit();
    void autofillOnlyOnTheEntryRow();
    void ctrlDOnTheEntryRowClearsWithoutAsking();
    void deletingATransferDeletesBothLegs();
    void apostropheCopiesTheCellAbove();
    void editingOneLegLeavesTheOther();
    void transferBetweenCurrenciesIsRefused();
    void toggleClearedFlipsOnlyTheFlag();
    void memorizeAndNewTransactionAreAskedOfTheWindow();
    void openingLineCannotBeMemorized();
    void registerClaimsCtrlIOverWindowShortcuts();

private:
    QWidget *focus() const { return QApplication::focusWidget(); }
    void type(const QString &text) { QTest::keyClicks(focus(), text); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus() ? focus() : m_screen->view(), key, modifiers);
    }
    // Enter, after a first Enter that only closes a completion popup when one is open.
    void enter()
    {
        if (QApplication::activePopupWidget()) {
            key(Qt::Key_Return);
        }
        key(Qt::Key_Return);
    }
    QList<Transaction> stored(const Account &account) const
    {
        return (*m_state)->transactionRepository()->findByAccount(account.id);
    }
    void fill(const QString &payee, const QString &payment, const QString &deposit = QString());

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    Account m_checking;
    Account m_savings;
};

void RegisterEditingTest::init()
{
    RegisterHost host;
    QVERIFY(host.open());
    m_state = std::move(host.state);
    m_screen = std::move(host.screen);
    m_checking = host.checking;
    m_savings = host.savings;
}

void RegisterEditingTest::cleanup()
{
    m_screen.reset();
    m_state.reset();
}

void RegisterEditingTest::fill(const QString &payee, const QString &payment, const QString &deposit)
{
    RegisterModel::EntryBuffer &entry = m_screen->model()->entry();
    entry.payee = payee;
    entry.payment = payment;
    entry.deposit = deposit;
}

void RegisterEditingTest::fullEntryWithEnterCommitsOnTheClearedField()
{
    key(Qt::Key_Return); // opens the date editor of the entry row
    QVERIFY(qobject_cast<QLineEdit *>(focus()));
    type("3/1/2026");
    enter();
    type("1042");
    enter();
    type("Corner Grocer");
    enter();
    type("Groceries");
    enter();
    type("weekly shop");
    enter();
    type("12.34");
    enter();
    enter(); // deposit stays empty
    type("c");
    enter(); // the last field commits
    const QList<Transaction> rows = stored(m_checking);
    QCOMPARE(rows.size(), 1);
    const Transaction &t = rows.first();
    QCOMPARE(t.date, QDate(2026, 3, 1));
    QCOMPARE(t.checkNumber, QString("1042"));
    QCOMPARE(t.payee, QString("Corner Grocer"));
    QCOMPARE(t.memo, QString("weekly shop"));
    QCOMPARE(t.amount, qint64(-1234));
    QCOMPARE(t.categoryId, (*m_state)->categoryRepository()->findByName("Groceries")->id);
    QVERIFY(t.cleared && !t.reconciled);
    // The next entry starts on the sticky date, on the entry row.
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->entry().date, QString("3/1/2026"));
    QVERIFY(model->isEntryRow(m_screen->view()->currentIndex().row()));
}

void RegisterEditingTest::tabOnTheLastFieldDoesNothing()
{
    fill("Cafe", "4.50");
    const QModelIndex cleared =
        m_screen->model()->index(m_screen->model()->entryRow(), RegisterModel::ClearedColumn);
    m_screen->view()->setCurrentIndex(cleared);
    m_screen->view()->edit(cleared);
    key(Qt::Key_Tab);
    QTest::qWait(10);
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::ClearedColumn));
    QVERIFY(stored(m_checking).isEmpty());
}

void RegisterEditingTest::twoLineTabOrderGoesThroughTheMemoLine()
{
    (*m_state)->preferencesRepository()->setBool("registerTwoLine", true);
    m_screen->reload();
    const QModelIndex payee =
        m_screen->model()->index(m_screen->model()->entryRow(), RegisterModel::PayeeColumn);
    m_screen->view()->setCurrentIndex(payee);
    m_screen->view()->edit(payee);
    QCOMPARE(focus()->objectName(), QString("payeeEdit"));
    type("Market");
    key(Qt::Key_Tab);
    QCOMPARE(focus()->objectName(), QString("memoEdit"));
    type("two lines");
    key(Qt::Key_Tab);
    QTest::qWait(10);
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::CategoryColumn));
    QCOMPARE(m_screen->model()->entry().memo, QString("two lines"));
    QCOMPARE(m_screen->model()->entry().payee, QString("Market"));
    key(Qt::Key_Backtab);
    QTest::qWait(10);
    QCOMPARE(focus()->objectName(), QString("memoEdit"));
}

void RegisterEditingTest::transferStoresTwoLinkedLegs()
{
    key(Qt::Key_Return);
    enter(); // date as prefilled
    enter(); // no check number
    type("[Transfer] Savings");
    enter();
    enter(); // no category
    enter(); // no memo
    type("50.00");
    key(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> out = stored(m_checking);
    const QList<Transaction> in = stored(m_savings);
    QCOMPARE(out.size(), 1);
    QCOMPARE(in.size(), 1);
    QCOMPARE(out[0].amount, qint64(-5000));
    QCOMPARE(in[0].amount, qint64(5000));
    QCOMPARE(out[0].payee, QString("Transfer to Savings"));
    QCOMPARE(in[0].payee, QString("Transfer from Checking"));
    QCOMPARE(out[0].transferLinkId, in[0].id);
    QCOMPARE(in[0].transferLinkId, out[0].id);
    QCOMPARE(out[0].transferDestAccountId, m_savings.id);
    QCOMPARE(in[0].transferDestAccountId, m_checking.id);
}

void RegisterEditingTest::refusedSaveKeepsTheLine_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("event");
    QTest::newRow("new line") << "Grocer"
                              << "INSERT";
    QTest::newRow("transfer") << "[Transfer] Savings"
                              << "INSERT";
    QTest::newRow("edited line") << "Grocer"
                                 << "UPDATE";
}

void RegisterEditingTest::refusedSaveKeepsTheLine()
{
    QFETCH(QString, payee);
    QFETCH(QString, event);
    if (event == "UPDATE") {
        QVERIFY((*m_state)->transactionRepository()->insert(
            Records::transaction(m_checking.id, QDate(2026, 1, 1), -100, "Old")));
        m_screen->reload();
        m_screen->startEditingRow(0);
    }
    QSqlQuery trigger((*m_state)->database()->database());
    QVERIFY(trigger.exec(QString("CREATE TRIGGER refuse BEFORE %1 ON transactions BEGIN "
                                 "SELECT RAISE(ABORT, 'refused'); END")
                             .arg(event)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::.* failed"));
    fill(payee, "12.00");
    m_screen->commitCurrentRow();
    QCOMPARE(m_screen->statusText(), QString("The transaction could not be saved"));
    QCOMPARE(m_screen->model()->entry().payee, payee); // nothing typed is lost
    QCOMPARE(stored(m_savings).size(), 0);
}

void RegisterEditingTest::payeeRules_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("stored");
    QTest::newRow("wrong case") << "[Transfer] savings"
                                << "Transfer account not found" << 0;
    QTest::newRow("lower-case prefix is a payee") << "[transfer] Savings"
                                                  << "" << 1;
    QTest::newRow("empty payee") << "  "
                                 << "Payee is required" << 0;
}

void RegisterEditingTest::payeeRules()
{
    QFETCH(QString, payee);
    QFETCH(QString, status);
    QFETCH(int, stored);
    fill(payee, "5.00");
    m_screen->commitCurrentRow();
    QCOMPARE(m_screen->statusText(), status);
    QCOMPARE(this->stored(m_checking).size(), stored);
    QVERIFY(this->stored(m_savings).isEmpty());
    if (stored) {
        QCOMPARE(this->stored(m_checking).first().payee, payee);
    }
}

void RegisterEditingTest::paymentWinsOverDeposit()
{
    fill("Both", "10", "20");
    m_screen->commitCurrentRow();
    QCOMPARE(stored(m_checking).first().amount, qint64(-1000));
    fill("Neither", "", "");
    m_screen->commitCurrentRow();
    QCOMPARE(m_screen->statusText(), QString("Enter a payment or deposit amount"));
    // The refusal opened the payment field for typing; leave it before filling the line.
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::PaymentColumn));
    m_screen->view()->setCurrentIndex(QModelIndex());
    fill("Zero", "0");
    m_screen->commitCurrentRow();
    QCOMPARE(stored(m_checking).size(), 2);
}

void RegisterEditingTest::autofillOnlyOnTheEntryRow()
{
    Transaction earlier = Records::transaction(m_checking.id, QDate(2026, 1, 5), -4599, "Gym");
    earlier.memo = "membership";
    earlier.categoryId = (*m_state)->categoryRepository()->findByName("Subscriptions")->id;
    QVERIFY((*m_state)->transactionRepository()->insert(earlier));
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(m_checking.id, QDate(2026, 1, 6), -100, "Kiosk")));
    m_screen->reload();

    RegisterModel *model = m_screen->model();
    const QModelIndex payee = model->index(model->entryRow(), RegisterModel::PayeeColumn);
    m_screen->view()->setCurrentIndex(payee);
    m_screen->view()->edit(payee);
    type("Gym");
    enter();
    QCOMPARE(model->entry().payment, QString("45.99"));
    QCOMPARE(model->entry().memo, QString("membership"));
    QCOMPARE(model->entry().category, QString("Subscriptions"));

    // On an existing line only the payee changes.
    m_screen->view()->setCurrentIndex(model->index(1, RegisterModel::PayeeColumn));
    m_screen->view()->edit(model->index(1, RegisterModel::PayeeColumn));
    QCOMPARE(model->editingRow(), 1);
    QApplication::focusWidget()->setProperty("text", QString());
    type("Gym");
    enter();
    QCOMPARE(model->entry().payee, QString("Gym"));
    QCOMPARE(model->entry().payment, QString("1.00"));
    QVERIFY(model->entry().memo.isEmpty());
}

void RegisterEditingTest::ctrlDOnTheEntryRowClearsWithoutAsking()
{
    bool asked = false;
    m_screen->setQuestion([&](QWidget *, const QString &, const QString &) {
        asked = true;
        return true;
    });
    fill("Half typed", "3.00");
    key(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!asked);
    QVERIFY(m_screen->model()->entry().payee.isEmpty());
    QCOMPARE(m_screen->statusText(), QString("Fields cleared"));
}

void RegisterEditingTest::deletingATransferDeletesBothLegs()
{
    fill("[Transfer] Savings", "25.00");
    m_screen->commitCurrentRow();
    QString question;
    m_screen->setQuestion([&](QWidget *, const QString &, const QString &text) {
        question = text;
        return true;
    });
    m_screen->view()->setFocus();
    m_screen->view()->setCurrentIndex(m_screen->model()->index(0, 2));
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(question, QString("Delete transfer \"Transfer to Savings\" for $25.00?\n\nBoth sides "
                               "of the transfer will be deleted."));
    QVERIFY(stored(m_checking).isEmpty());
    QVERIFY(stored(m_savings).isEmpty());
}

void RegisterEditingTest::apostropheCopiesTheCellAbove()
{
    fill("Bakery", "3.50");
    m_screen->commitCurrentRow();
    RegisterModel *model = m_screen->model();
    const QModelIndex payee = model->index(model->entryRow(), RegisterModel::PayeeColumn);
    m_screen->view()->setCurrentIndex(payee);
    m_screen->view()->edit(payee);
    key(Qt::Key_Apostrophe);
    QCOMPARE(model->entry().payee, QString("Bakery"));
    QCOMPARE(qobject_cast<QLineEdit *>(focus())->text(), QString("Bakery"));
}

void RegisterEditingTest::editingOneLegLeavesTheOther()
{
    fill("[Transfer] Savings", "25.00");
    m_screen->commitCurrentRow();
    RegisterModel *model = m_screen->model();
    m_screen->view()->setCurrentIndex(model->index(0, RegisterModel::PaymentColumn));
    QCOMPARE(model->editingRow(), 0);
    model->entry().payment = "30.00";
    m_screen->commitCurrentRow();
    QCOMPARE(stored(m_checking).first().amount, qint64(-3000));
    QCOMPARE(stored(m_checking).first().version, 2);
    QCOMPARE(stored(m_savings).first().amount, qint64(2500));
}

void RegisterEditingTest::transferBetweenCurrenciesIsRefused()
{
    Account euros = Records::account("Euros", 2);
    euros.currency = Currency::EUR;
    QVERIFY((*m_state)->accountRepository()->insert(euros));
    QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
    fill("[Transfer] Euros", "10.00");
    m_screen->commitCurrentRow();
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toString(),
             QString("Transfers require both accounts to use the same currency"));
    QVERIFY(stored(m_checking).isEmpty());
    QVERIFY(stored(euros).isEmpty());
}

void RegisterEditingTest::toggleClearedFlipsOnlyTheFlag()
{
    fill("Cafe", "4.50");
    m_screen->commitCurrentRow();
    const Transaction before = stored(m_checking).first();
    m_screen->toggleCleared(0);
    const Transaction after = stored(m_checking).first();
    QVERIFY(after.cleared && !before.cleared);
    QCOMPARE(after.version, before.version + 1);
    QCOMPARE(after.amount, before.amount);
    QCOMPARE(m_screen->model()->index(0, RegisterModel::ClearedColumn).data().toString(),
             QString("C"));
}

void RegisterEditingTest::memorizeAndNewTransactionAreAskedOfTheWindow()
{
    fill("Rent", "1200.00");
    m_screen->commitCurrentRow();
    QSignalSpy memorize(m_screen.get(), &RegisterScreen::memorizeRequested);
    QSignalSpy newTransaction(m_screen.get(), &RegisterScreen::newTransactionRequested);
    m_screen->view()->setFocus();
    m_screen->view()->setCurrentIndex(m_screen->model()->index(0, 2));
    key(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(memorize.count(), 1);
    const auto seed = memorize.at(0).at(0).value<RecurringTransaction>();
    const Transaction source = stored(m_checking).first();
    QCOMPARE(seed.accountId, m_checking.id);
    QCOMPARE(seed.payee, QString("Rent"));
    QCOMPARE(seed.amount, qint64(-120000));
    QCOMPARE(seed.frequency, Frequency::Monthly);
    QCOMPARE(seed.startDate, source.date);
    QCOMPARE(seed.nextDueDate, source.date);
    QVERIFY(seed.isActive && !seed.autoPost);
    // The register stores nothing itself: the window runs the form and stores the entry.
    QVERIFY((*m_state)->recurringRepository()->findAll().isEmpty());

    key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(newTransaction.count(), 1);
    QCOMPARE(newTransaction.at(0).at(0).toString(), m_checking.id);
    QCOMPARE(stored(m_checking).size(), 1);
}

void RegisterEditingTest::openingLineCannotBeMemorized()
{
    Account funded = Records::account("Funded", 3, 5000);
    QVERIFY((*m_state)->accountRepository()->insert(funded));
    m_screen->setAccount(funded.id);
    QSignalSpy memorize(m_screen.get(), &RegisterScreen::memorizeRequested);
    m_screen->view()->setCurrentIndex(m_screen->model()->index(0, 2));
    m_screen->memorizeCurrentRow();
    QCOMPARE(memorize.count(), 0);
    QCOMPARE(m_screen->statusText(),
             QString("Cannot memorize: source transaction has an invalid date"));
    bool asked = false;
    m_screen->setQuestion(
        [&](QWidget *, const QString &, const QString &) { return asked = true; });
    m_screen->confirmDeleteRow(0);
    m_screen->toggleCleared(0);
    QVERIFY(!asked);
    QCOMPARE(m_screen->model()->rowCount(), 2);
}

void RegisterEditingTest::registerClaimsCtrlIOverWindowShortcuts()
{
    int windowShortcut = 0;
    auto *action = new QAction(m_screen.get());
    action->setShortcut(QKeySequence("Ctrl+I"));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, [&] { ++windowShortcut; });
    m_screen->addAction(action);
    fill("Half typed", "1.00");
    m_screen->view()->setCurrentIndex(m_screen->model()->index(m_screen->model()->entryRow(), 3));
    m_screen->view()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(windowShortcut, 0);
    QVERIFY(m_screen->model()->entry().payee.isEmpty()); // insertNewEntry cleared the line
    QCOMPARE(m_screen->view()->currentIndex().column(), int(RegisterModel::DateColumn));
}

LEDGERWELL_TEST(RegisterEditingTest)
#include "registerediting_test.moc"
