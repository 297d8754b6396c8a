#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "services/categoryservice.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/accountformdialog.h"
#include "ui/formhelpers.h"
#include "ui/recurringformdialog.h"
#include "ui/transactionformdialog.h"

#include <QApplication>
#include <QComboBox>
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
    void amountsInTheAccountCurrency_data();
    void amountsInTheAccountCurrency();
    void typedCategoryIsNeverDropped_data();
    void typedCategoryIsNeverDropped();
    void editAccountShowsTheOpeningBalance();
    void datesTypedIntoFormsAreRead_data();
    void datesTypedIntoFormsAreRead();

private:
    std::unique_ptr<QDialog> openForm(const QString &form, const QString &accountId);
    static QString categoryOf(QDialog *dialog);

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
    moved.findChildren<DateField *>().first()->setDate(QDate(2026, 7, 1));
    const RecurringTransaction r = moved.recurring();
    QCOMPARE(r.startDate, QDate(2026, 7, 1));
    QCOMPARE(r.nextDueDate, QDate(2026, 7, 1));
}

void FormsTest::brokenRecurringDatesFallBack()
{
    RecurringFormDialog dialog(m_state->get());
    dialog.findChildren<DateField *>().first()->setDate(QDate(1999, 12, 31));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rejecting invalid startDate"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("rejecting invalid nextDueDate"));
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.startDate, QDate::currentDate());
    QCOMPARE(r.nextDueDate, QDate::currentDate());
    QVERIFY(!r.endDate);
    QCOMPARE(r.frequency, Frequency::Monthly);
    QVERIFY(r.isActive);
}

std::unique_ptr<QDialog> FormsTest::openForm(const QString &form, const QString &accountId)
{
    if (form == "transaction") {
        return std::make_unique<TransactionFormDialog>(m_state->get(), accountId);
    }
    if (form == "recurring") {
        RecurringTransaction seed = Records::recurring(accountId, QDate(2026, 4, 1));
        seed.amount = -100;
        return std::unique_ptr<QDialog>(RecurringFormDialog::memorize(m_state->get(), seed));
    }
    return std::make_unique<AccountFormDialog>();
}

QString FormsTest::categoryOf(QDialog *dialog)
{
    if (auto *form = qobject_cast<TransactionFormDialog *>(dialog)) {
        return form->transaction().categoryId;
    }
    return qobject_cast<RecurringFormDialog *>(dialog)->recurring().categoryId;
}

void FormsTest::amountsInTheAccountCurrency_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("typed");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("transaction in dollars") << "transaction"
                                            << "USD" << 10.5 << qint64(-1050);
    QTest::newRow("transaction in yen") << "transaction"
                                        << "JPY" << 1000.0 << qint64(-1000);
    QTest::newRow("recurring in yen") << "recurring"
                                      << "JPY" << 2500.0 << qint64(-2500);
    QTest::newRow("recurring in euros") << "recurring"
                                        << "EUR" << 25.0 << qint64(-2500);
    QTest::newRow("new account in yen") << "account"
                                        << "JPY" << 1500.0 << qint64(1500);
    QTest::newRow("new account in pounds") << "account"
                                           << "GBP" << 15.0 << qint64(1500);
}

void FormsTest::amountsInTheAccountCurrency()
{
    QFETCH(QString, form);
    QFETCH(QString, currency);
    QFETCH(double, typed);
    QFETCH(qint64, stored);
    Account account = Records::account("Abroad", 1);
    account.currency = currencyFromText(currency);
    QVERIFY((*m_state)->accountRepository()->insert(account));
    std::unique_ptr<QDialog> dialog = openForm(form, account.id);
    if (auto *accountForm = qobject_cast<AccountFormDialog *>(dialog.get())) {
        auto *combo = accountForm->findChildren<QComboBox *>().at(1);
        combo->setCurrentIndex(combo->findData(currency));
    }
    auto *amount = dialog->findChild<QDoubleSpinBox *>();
    QCOMPARE(amount->decimals(), account.currency == Currency::JPY ? 0 : 2);
    QVERIFY(amount->prefix().startsWith(currencySymbol(account.currency)));
    amount->setValue(typed);
    if (auto *accountForm = qobject_cast<AccountFormDialog *>(dialog.get())) {
        QCOMPARE(accountForm->account().startingBalance, stored);
        QCOMPARE(accountForm->account().currency, account.currency);
    } else if (auto *transactionForm = qobject_cast<TransactionFormDialog *>(dialog.get())) {
        QCOMPARE(transactionForm->transaction().amount, stored);
    } else {
        QCOMPARE(qobject_cast<RecurringFormDialog *>(dialog.get())->recurring().amount, stored);
    }
}

void FormsTest::typedCategoryIsNeverDropped_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("accepted");
    for (const QString form : {"transaction", "recurring"}) {
        const QByteArray name = form.toUtf8();
        QTest::newRow(name + ", existing name") << form << "Internet" << false << false << true;
        QTest::newRow(name + ", other case, parent")
            << form << "utilities:internet" << false << false << true;
        QTest::newRow(name + ", new, created") << form << "Llama Feed" << true << true << true;
        QTest::newRow(name + ", new, declined") << form << "Llama Feed" << false << true << false;
    }
}

void FormsTest::typedCategoryIsNeverDropped()
{
    QFETCH(QString, form);
    QFETCH(QString, typed);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, accepted);
    std::unique_ptr<QDialog> dialog = openForm(form, m_account.id);
    QString question;
    const auto answerWith = [&](QWidget *, const QString &, const QString &text) {
        question = text;
        return answer;
    };
    if (auto *transactionForm = qobject_cast<TransactionFormDialog *>(dialog.get())) {
        transactionForm->setQuestion(answerWith);
    } else {
        qobject_cast<RecurringFormDialog *>(dialog.get())->setQuestion(answerWith);
    }
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QComboBox *category = nullptr;
    for (QComboBox *combo : dialog->findChildren<QComboBox *>()) {
        if (combo->isEditable()) {
            category = combo;
        }
    }
    QVERIFY(category);
    // Reached with Tab, the combo's text is selected and typing replaces it.
    category->setFocus(Qt::TabFocusReason);
    category->lineEdit()->selectAll();
    QTest::keyClicks(category->lineEdit(), typed);
    // Enter closes the completion list when one is showing, then presses OK.
    for (int i = 0; i < 2 && dialog->isVisible(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(question.isEmpty(), !asked);
    if (asked) {
        QCOMPARE(question, QString("Category \"%1\" does not exist. Create it?").arg(typed));
    }
    QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
    if (!accepted) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(category->currentText(), typed);
        return;
    }
    const auto expected = (*m_state)->categoryService()->resolve(typed);
    QVERIFY(expected);
    QCOMPARE(categoryOf(dialog.get()), expected->id);
    QCOMPARE(expected->type, CategoryType::Expense);
}

void FormsTest::editAccountShowsTheOpeningBalance()
{
    Account yen = Records::account("Tokyo", 1);
    yen.currency = Currency::JPY;
    AccountFormDialog dialog(yen);
    dialog.setOpeningBalance(-19599, QDate(2026, 1, 15));
    QCOMPARE(dialog.findChild<QDoubleSpinBox *>()->value(), -19599.0);
    QCOMPARE(dialog.asOfDate(), QDate(2026, 1, 15));
    QCOMPARE(dialog.openingBalance(), qint64(-19599));
    dialog.setOpeningBalance(500, QDate());
    QCOMPARE(dialog.asOfDate(), QDate(2026, 1, 15));
    QCOMPARE(dialog.openingBalance(), qint64(500));
}

void FormsTest::datesTypedIntoFormsAreRead_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    for (const QString form : {"account", "recurring"}) {
        const QByteArray name = form.toUtf8();
        QTest::newRow(name + ", one-digit day") << form << "11/1/2026" << QDate(2026, 11, 1);
        QTest::newRow(name + ", two-digit day") << form << "11/10/2026" << QDate(2026, 11, 10);
        QTest::newRow(name + ", one-digit month") << form << "1/5/2027" << QDate(2027, 1, 5);
    }
}

void FormsTest::datesTypedIntoFormsAreRead()
{
    QFETCH(QString, form);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    std::unique_ptr<QDialog> dialog = openForm(form, m_account.id);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // "As of" in the account form, "Start Date" in the recurring form: reached with Tab.
    auto *field = dialog->findChildren<DateField *>().first();
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(field->date(), date);
    if (auto *accountForm = qobject_cast<AccountFormDialog *>(dialog.get())) {
        QCOMPARE(accountForm->asOfDate(), date);
    } else {
        QCOMPARE(qobject_cast<RecurringFormDialog *>(dialog.get())->recurring().startDate, date);
    }
}

LEDGERWELL_TEST(FormsTest)
#include "forms_test.moc"
