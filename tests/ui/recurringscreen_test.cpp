#include "data/accountrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/themecolors.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/mainwindow.h"
#include "ui/recurringmodel.h"
#include "ui/recurringscreen.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QBrush>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class RecurringScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dueCountAndColours();
    void inactivePastDueIsNotDue();
    void confirmAllWithNothingDueEmitsNothing();
    void confirmPostsAndReports();
    void deletedAccountShowsAnEmptyCell();
    void amountColoursFollowTheTheme();
    void mainWindowOpensOneInstance();

private:
    RecurringTransaction add(const QDate &due, bool active = true, qint64 amount = -1000);
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const
    {
        return m_screen->model()->index(row, column).data(role);
    }

    std::unique_ptr<TestAppState> m_state;
    std::unique_ptr<RecurringScreen> m_screen;
    Account m_account;
};

void RecurringScreenTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
    m_account = Records::account("Checking");
    QVERIFY((*m_state)->accountRepository()->insert(m_account));
    m_screen = std::make_unique<RecurringScreen>(m_state->get());
}

void RecurringScreenTest::cleanup()
{
    m_screen.reset();
    m_state.reset();
    QApplication::setPalette(ThemeManager::lightPalette());
}

RecurringTransaction RecurringScreenTest::add(const QDate &due, bool active, qint64 amount)
{
    RecurringTransaction r = Records::recurring(m_account.id, due);
    r.isActive = active;
    r.amount = amount;
    if (!(*m_state)->recurringRepository()->insert(r)) {
        qFatal("insert failed");
    }
    return r;
}

void RecurringScreenTest::dueCountAndColours()
{
    m_screen->refresh();
    QVERIFY(m_screen->dueText().isEmpty());
    const QDate today = QDate::currentDate();
    add(today.addDays(-3));
    add(today.addDays(-1));
    add(today); // due today counts
    add(today.addDays(5));
    m_screen->refresh();
    QCOMPARE(m_screen->dueText(), QString("(3 due)"));
    // Three days late: the warning colour; due today: green.
    QCOMPARE(cell(0, RecurringModel::NextDueColumn, Qt::ForegroundRole).value<QBrush>().color(),
             ThemeColors::warning());
    QCOMPARE(cell(2, RecurringModel::NextDueColumn, Qt::ForegroundRole).value<QBrush>().color(),
             QColor(0, 136, 0));
    QVERIFY(!cell(3, RecurringModel::NextDueColumn, Qt::ForegroundRole).isValid());
    QCOMPARE(cell(0, RecurringModel::FrequencyColumn).toString(), QString("monthly"));
    QCOMPARE(cell(0, RecurringModel::AutoColumn).toString(), QString("No"));
}

void RecurringScreenTest::inactivePastDueIsNotDue()
{
    add(QDate::currentDate().addDays(-10), false);
    m_screen->refresh();
    QVERIFY(m_screen->dueText().isEmpty());
    QVERIFY(!RecurringModel::isDue(m_screen->model()->entryAt(0)));
    QVERIFY(!cell(0, RecurringModel::NextDueColumn, Qt::ForegroundRole).isValid());
    QCOMPARE(cell(0, RecurringModel::StatusColumn).toString(), QString("Inactive"));
    QCOMPARE(cell(0, RecurringModel::StatusColumn, Qt::ForegroundRole).value<QBrush>().color(),
             QColor(Qt::gray));
}

void RecurringScreenTest::confirmAllWithNothingDueEmitsNothing()
{
    add(QDate::currentDate().addDays(3));
    m_screen->refresh();
    QSignalSpy changed(m_screen.get(), &RecurringScreen::transactionsChanged);
    m_screen->confirmAllDue();
    QCOMPARE(changed.count(), 0);
    QVERIFY((*m_state)->transactionRepository()->findByAccount(m_account.id).isEmpty());
}

void RecurringScreenTest::confirmPostsAndReports()
{
    add(QDate::currentDate());
    m_screen->refresh();
    QSignalSpy changed(m_screen.get(), &RecurringScreen::transactionsChanged);
    m_screen->view()->setCurrentIndex(m_screen->model()->index(0, 1));
    m_screen->confirmSelected();
    QCOMPARE(changed.count(), 1);
    QCOMPARE((*m_state)->transactionRepository()->findByAccount(m_account.id).size(), 1);
    QVERIFY(m_screen->dueText().isEmpty());
}

void RecurringScreenTest::deletedAccountShowsAnEmptyCell()
{
    add(QDate::currentDate().addDays(3));
    QVERIFY((*m_state)->accountRepository()->softDelete(m_account.id));
    m_screen->refresh();
    QVERIFY(cell(0, RecurringModel::AccountColumn).toString().isEmpty());
}

void RecurringScreenTest::amountColoursFollowTheTheme()
{
    add(QDate::currentDate().addDays(3), true, -2500);
    m_screen->refresh();
    QApplication::setPalette(ThemeManager::lightPalette());
    QCOMPARE(cell(0, RecurringModel::AmountColumn, Qt::ForegroundRole).value<QBrush>().color(),
             QColor("#C62828"));
    QApplication::setPalette(ThemeManager::darkPalette());
    QCOMPARE(cell(0, RecurringModel::AmountColumn, Qt::ForegroundRole).value<QBrush>().color(),
             QColor("#FF8A80"));
    QCOMPARE(cell(0, RecurringModel::AmountColumn).toString(), QString("-$25.00"));
}

void RecurringScreenTest::mainWindowOpensOneInstance()
{
    MainWindow window(m_state->get());
    window.showRecurringWindow();
    RecurringScreen *first = window.recurringScreen();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), QString("Recurring Transactions"));
    QCOMPARE(first->size(), QSize(700, 500));
    window.showRecurringWindow();
    QCOMPARE(window.recurringScreen(), first);
    // A change of the entries while it is open shows at once.
    add(QDate::currentDate());
    QCOMPARE(first->model()->rowCount(), 1);
}

LEDGERWELL_TEST(RecurringScreenTest)
#include "recurringscreen_test.moc"
