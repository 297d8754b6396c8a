#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/accountformdialog.h"
#include "ui/formhelpers.h"
#include "ui/recurringformdialog.h"
#include "ui/transactionformdialog.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTest>

class FormsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rounding_data();
    void rounding();
    void accountFormBuildsTheRecord();
    void transactionFormRemembersTheLastDate();
    void payeeSelectionFillsFromTheLatest();
    void recurringStartDateRules();
    void brokenRecurringDatesFallBack();

private:
    std::unique_ptr<TestAppState> m_state;
    Account m_account;
};

void FormsTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
    TransactionFormDialog::resetLastDate();
}

void FormsTest::cleanup()
{
    m_state.reset();
}

void FormsTest::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("cents");
    QTest::newRow("half cent down") << -0.005 << qint64(-1);
    QTest::newRow("half cent up") << 0.005 << qint64(1);
    QTest::newRow("ordinary") << 12.34 << qint64(1234);
    QTest::newRow("large") << 99999999.99 << qint64(9999999999);
}

void FormsTest::rounding()
{
    QFETCH(double, value);
    QFETCH(qint64, cents);
    QCOMPARE(FormHelpers::centsFromValue(value), cents);
}

void FormsTest::accountFormBuildsTheRecord()
{
    AccountFormDialog dialog;
    dialog.findChild<QLineEdit *>()->setText("  Travel  ");
    dialog.findChild<QDoubleSpinBox *>()->setValue(-0.005);
    const Account account = dialog.account();
    QCOMPARE(account.name, QString("Travel"));
    QCOMPARE(account.startingBalance, qint64(-1));
    QCOMPARE(account.id.size(), 36);
    QCOMPARE(dialog.asOfDate(), QDate::currentDate());

    AccountFormDialog edit(account);
    QCOMPARE(edit.account().id, account.id);
    QCOMPARE(edit.windowTitle(), QString("Edit Account"));
}

void FormsTest::transactionFormRemembersTheLastDate()
{
    {
        TransactionFormDialog first(m_state->get(), m_account.id);
        first.findChild<DateField *>()->setDate(QDate(2025, 3, 4));
        QCOMPARE(first.transaction().date, QDate(2025, 3, 4));
    }
    TransactionFormDialog second(m_state->get(), m_account.id);
    const Transaction t = second.transaction();
    QCOMPARE(t.date, QDate(2025, 3, 4));
    QCOMPARE(t.amount, qint64(0));
    QCOMPARE(t.accountId, m_account.id);
    QCOMPARE(t.id.size(), 36);
}

void FormsTest::payeeSelectionFillsFromTheLatest()
{
    Transaction rent = Records::transaction(m_account.id, QDate(2026, 1, 1), -120000, "Landlord");
    rent.memo = "January";
    QVERIFY((*m_state)->transactionRepository()->insert(rent));
    TransactionFormDialog dialog(m_state->get(), m_account.id);
    dialog.onPayeeSelected("Landlord");
    const Transaction t = dialog.transaction();
    QCOMPARE(t.amount, qint64(-120000));
    QCOMPARE(t.memo, QString("January"));
}

void FormsTest::recurringStartDateRules()
{
    RecurringTransaction entry = Records::recurring(m_account.id, QDate(2026, 5, 1));
    entry.startDate = QDate(2026, 1, 1);
    entry.version = 3;
    {
        RecurringFormDialog untouched(m_state->get(), entry);
        const RecurringTransaction r = untouched.recurring();
        QCOMPARE(r.nextDueDate, QDate(2026, 5, 1)); // the schedule continues
        QCOMPARE(r.startDate, QDate(2026, 1, 1));
        QCOMPARE(r.version, 4);
        QVERIFY(!r.endDate);
    }
    RecurringFormDialog moved(m_state->get(), entry);
    moved.findChildren<QDateEdit *>().first()->setDate(QDate(2026, 7, 1));
    const RecurringTransaction r = moved.recurring();
    QCOMPARE(r.startDate, QDate(2026, 7, 1));
    QCOMPARE(r.nextDueDate, QDate(2026, 7, 1));
}

void FormsTest::brokenRecurringDatesFallBack()
{
    RecurringFormDialog dialog(m_state->get());
    dialog.findChildren<QDateEdit *>().first()->setDate(QDate(1999, 12, 31));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rejecting invalid startDate"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rejecting invalid nextDueDate"));
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.startDate, QDate::currentDate());
    QCOMPARE(r.nextDueDate, QDate::currentDate());
    QVERIFY(!r.endDate);
    QCOMPARE(r.frequency, Frequency::Monthly);
    QVERIFY(r.isActive);
}

LEDGERWELL_TEST(FormsTest)
#include "forms_test.moc"
