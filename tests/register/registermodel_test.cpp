#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "register/themecolors.h"

#include <QBrush>
#include <QTest>

class RegisterModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyAccountShowsOnlyTheEntryRow();
    void openingLineWithStartingBalance();
    void newestFirstPutsTheEntryRowOnTop();
    void zeroAmountIsAGreenDeposit();
    void entryRowIsBlankWhileAnotherRowIsEdited();
    void setDataAcceptsOnlyTheEditRole();
    void reloadAfterDeletingTheCurrentRowKeepsTheRow();

private:
    Account addAccount(qint64 startingBalance = 0);
    void add(const Account &account, const QDate &date, qint64 amount, const QString &payee);
    QString cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return m_screen->model()->index(row, column).data(role).toString();
    }

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
};

void RegisterModelTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_screen = std::make_unique<RegisterScreen>(m_state->get());
}

void RegisterModelTest::cleanup()
{
    m_screen.reset();
    m_state.reset();
}

Account RegisterModelTest::addAccount(qint64 startingBalance)
{
    Account account = Records::account("Checking", 0, startingBalance);
    if (!(*m_state)->accountRepository()->insert(account)) {
        qFatal("account insert failed");
    }
    return account;
}

void RegisterModelTest::add(const Account &account, const QDate &date, qint64 amount,
                            const QString &payee)
{
    if (!(*m_state)->transactionRepository()->insert(
            Records::transaction(account.id, date, amount, payee))) {
        qFatal("transaction insert failed");
    }
}

void RegisterModelTest::emptyAccountShowsOnlyTheEntryRow()
{
    m_screen->setAccount(addAccount().id);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(cell(0, 0), QDate::currentDate().toString("M/d/yyyy"));
    const QStringList placeholders = {"Chk #",   "Payee",   "Category", "Memo",
                                      "Payment", "Deposit", "Clr"};
    for (int column = 1; column <= 7; ++column) {
        QCOMPARE(cell(0, column), placeholders[column - 1]);
        QCOMPARE(model->index(0, column).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor("#6E8A7E"));
        QVERIFY(cell(0, column, Qt::EditRole).isEmpty());
    }
    QVERIFY(cell(0, 8).isEmpty());
    QCOMPARE(m_screen->balanceText(), QString("$0.00"));
    QCOMPARE(m_screen->view()->currentIndex(), model->index(0, 0));
}

void RegisterModelTest::openingLineWithStartingBalance()
{
    m_screen->setAccount(addAccount(5000).id);
    QCOMPARE(m_screen->model()->rowCount(), 2);
    QCOMPARE(cell(0, 0), QDate::currentDate().toString("M/d/yyyy"));
    QCOMPARE(cell(0, 2), QString("Opening Balance"));
    QCOMPARE(cell(0, 6), QString("50.00"));
    QCOMPARE(cell(0, 7), QString("R"));
    QCOMPARE(cell(0, 8), QString("50.00"));
    QCOMPARE(m_screen->balanceText(), QString("$50.00"));
    // The synthetic line cannot be edited: moving onto it loads nothing.
    m_screen->startEditingRow(0);
    QCOMPARE(m_screen->model()->editingRow(), -1);
    QVERIFY(!(m_screen->model()->flags(m_screen->model()->index(0, 2)) & Qt::ItemIsEditable));
}

void RegisterModelTest::newestFirstPutsTheEntryRowOnTop()
{
    const Account account = addAccount();
    add(account, QDate(2026, 1, 1), 10000, "Old");
    add(account, QDate(2026, 2, 1), -2500, "New");
    (*m_state)->preferencesRepository()->setBool("registerNewestFirst", true);
    m_screen->setAccount(account.id);
    RegisterModel *model = m_screen->model();
    QVERIFY(model->isEntryRow(0));
    QCOMPARE(cell(1, 2), QString("New"));
    QCOMPARE(cell(1, 8), QString("75.00"));
    QCOMPARE(cell(2, 2), QString("Old"));
    QCOMPARE(m_screen->balanceText(), QString("$75.00"));
    QCOMPARE(m_screen->view()->currentIndex(), model->index(0, 0));
}

void RegisterModelTest::zeroAmountIsAGreenDeposit()
{
    const Account account = addAccount();
    add(account, QDate(2026, 1, 1), 0, "Nothing");
    m_screen->setAccount(account.id);
    QCOMPARE(cell(0, 6), QString("0.00"));
    QVERIFY(cell(0, 5).isEmpty());
    QCOMPARE(m_screen->model()->index(0, 6).data(Qt::ForegroundRole).value<QBrush>().color(),
             ThemeColors::positiveAmount());
    QCOMPARE(m_screen->model()->index(0, 8).data(Qt::FontRole).value<QFont>().styleHint(),
             QFont::Monospace);
}

void RegisterModelTest::entryRowIsBlankWhileAnotherRowIsEdited()
{
    const Account account = addAccount();
    for (int i = 0; i < 6; ++i) {
        add(account, QDate(2026, 1, 1 + i), -100 * (i + 1), QString("Payee %1").arg(i));
    }
    m_screen->setAccount(account.id);
    RegisterModel *model = m_screen->model();
    m_screen->startEditingRow(5);
    model->setData(model->index(5, 2), "Typed", Qt::EditRole);
    const int entry = model->entryRow();
    for (int column = 0; column <= 8; ++column) {
        QVERIFY2(cell(entry, column).isEmpty(), qPrintable(QString::number(column)));
    }
    QVERIFY(model->flags(model->index(entry, 2)) & Qt::ItemIsEditable);
    QCOMPARE(cell(5, 2), QString("Typed"));
    QCOMPARE(cell(5, 5), QString("6.00"));
    QCOMPARE(cell(5, 8), QString("-21.00"));
    QVERIFY(!(model->flags(model->index(3, 2)) & Qt::ItemIsEditable));
    QVERIFY(!(model->flags(model->index(5, 8)) & Qt::ItemIsEditable));
}

void RegisterModelTest::setDataAcceptsOnlyTheEditRole()
{
    m_screen->setAccount(addAccount().id);
    RegisterModel *model = m_screen->model();
    QVERIFY(!model->setData(model->index(0, 2), "Shown", Qt::DisplayRole));
    QVERIFY(model->entry().payee.isEmpty());
    const RegisterModel::EntryBuffer before = model->entry();
    QVERIFY(model->setData(model->index(0, 8), "123", Qt::EditRole));
    QCOMPARE(model->entry().payment, before.payment);
    QCOMPARE(model->entry().deposit, before.deposit);
    QVERIFY(model->setData(model->index(0, 5), "9.99", Qt::EditRole));
    QCOMPARE(model->entry().payment, QString("9.99"));
}

void RegisterModelTest::reloadAfterDeletingTheCurrentRowKeepsTheRow()
{
    const Account account = addAccount();
    add(account, QDate(2026, 1, 1), -1, "A");
    add(account, QDate(2026, 1, 2), -2, "B");
    add(account, QDate(2026, 1, 3), -3, "C");
    m_screen->setAccount(account.id);
    m_screen->view()->setCurrentIndex(m_screen->model()->index(1, 3));
    const QString id = m_screen->model()->rowAt(1).transaction.id;
    QVERIFY((*m_state)->transactionRepository()->softDelete(id));
    m_screen->reload();
    QCOMPARE(m_screen->view()->currentIndex(), m_screen->model()->index(1, 3));
    QCOMPARE(cell(1, 2), QString("C"));
}

LEDGERWELL_TEST(RegisterModelTest)
#include "registermodel_test.moc"
