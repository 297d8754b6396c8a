#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "services/importservice.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/accountformdialog.h"
#include "ui/mainwindow.h"
#include "ui/statusbar.h"
#include "ui/thememanager.h"
#include "ui/welcomescreen.h"

#include <QApplication>
#include <QBrush>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStartShowsTheWelcomePage();
    void deletedLastViewedAccountFallsBackToTheFirst();
    void startingBalanceBecomesAnOpeningTransaction();
    void twelveAccountsGetTenShortcuts();
    void dragReorderIsSavedAndSurvivesARestart();
    void contextMenuDeleteSelectsFirstAndNoChangesNothing();
    void autoPostMessageOnlyWhenSomethingWasPosted_data();
    void autoPostMessageOnlyWhenSomethingWasPosted();
    void sampleEntriesOnlyWithTheDevSwitch();
    void darkThemeRepaintsAmounts();
    void importBurstRefreshesTheSidebarOnce();
    void keyboardOnlyFlow();

private:
    Account addAccount(const QString &name, int order = 0);
    std::unique_ptr<MainWindow> openWindow();
    static QStringList menuTexts(QMenuBar *bar);

    std::unique_ptr<TestAppState> m_state;
};

void MainWindowTest::initTestCase()
{
}

void MainWindowTest::init()
{
    m_state = std::make_unique<TestAppState>();
    QVERIFY(m_state->isReady());
}

void MainWindowTest::cleanup()
{
    m_state.reset();
    qunsetenv("LEDGERWELL_DEV");
}

Account MainWindowTest::addAccount(const QString &name, int order)
{
    Account account = Records::account(name, order);
    if (!(*m_state)->accountRepository()->insert(account)) {
        qFatal("account insert failed");
    }
    return account;
}

std::unique_ptr<MainWindow> MainWindowTest::openWindow()
{
    auto window = std::make_unique<MainWindow>(m_state->get());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qWarning("window not exposed");
    }
    return window;
}

QStringList MainWindowTest::menuTexts(QMenuBar *bar)
{
    QStringList texts;
    for (QAction *menu : bar->actions()) {
        for (QAction *entry : menu->menu()->actions()) {
            if (!entry->isSeparator()) {
                texts << entry->text();
            }
        }
    }
    return texts;
}

void MainWindowTest::firstStartShowsTheWelcomePage()
{
    auto window = openWindow();
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::WelcomePage));
    QCOMPARE(window->totalText(), QString("No accounts"));
    window->welcomeScreen()->continueButton()->click();
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::EmptyPage));

    window->setDialogRunner([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText("Checking");
        return true;
    });
    window->pages()->currentWidget()->findChild<QPushButton *>("createAccountButton")->click();
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::RegisterPage));
    QTRY_COMPARE(window->accountList()->count(), 1);
    QVERIFY(!(*m_state)->currentAccountId().isEmpty());
    QCOMPARE(window->registerScreen()->accountId(), (*m_state)->currentAccountId());
}

void MainWindowTest::deletedLastViewedAccountFallsBackToTheFirst()
{
    const Account first = addAccount("Alpha", 0);
    const Account gone = addAccount("Beta", 1);
    QVERIFY((*m_state)->accountRepository()->softDelete(gone.id));
    (*m_state)->setCurrentAccountId(gone.id);
    auto window = openWindow();
    QCOMPARE((*m_state)->currentAccountId(), first.id);
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::RegisterPage));
    QCOMPARE(window->accountList()->count(), 1);
}

void MainWindowTest::startingBalanceBecomesAnOpeningTransaction()
{
    auto window = openWindow();
    window->setDialogRunner([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText("Savings");
        dialog->findChild<QDoubleSpinBox *>()->setValue(100.00);
        dialog->findChild<QDateEdit *>()->setDate(QDate(2026, 2, 1));
        return true;
    });
    window->showNewAccountDialog();
    const QList<Account> accounts = (*m_state)->accountRepository()->findAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts[0].startingBalance, qint64(0));
    const QList<Transaction> rows =
        (*m_state)->transactionRepository()->findByAccount(accounts[0].id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].payee, QString("Opening Balance"));
    QCOMPARE(rows[0].amount, qint64(10000));
    QCOMPARE(rows[0].date, QDate(2026, 2, 1));
    QVERIFY(rows[0].cleared && rows[0].reconciled);
    QCOMPARE(window->registerScreen()->model()->rowCount(), 2); // the line and the entry row
    QTRY_COMPARE(window->totalText(), QString("Total: $100.00"));
}

void MainWindowTest::twelveAccountsGetTenShortcuts()
{
    QList<Account> accounts;
    for (int i = 0; i < 12; ++i) {
        accounts << addAccount(QString("Account %1").arg(i, 2, 10, QChar('0')), i);
    }
    auto window = openWindow();
    const QList<QShortcut *> shortcuts = window->accountShortcuts();
    QCOMPARE(shortcuts.size(), 10);
    QCOMPARE(shortcuts[0]->key(), QKeySequence("Alt+1"));
    QCOMPARE(shortcuts[9]->key(), QKeySequence("Alt+0"));
    emit shortcuts[9]->activated();
    QCOMPARE((*m_state)->currentAccountId(), accounts[9].id);
    QCOMPARE(window->statusBarWidget()->accountCountText(), QString("12 account(s)"));
}

void MainWindowTest::dragReorderIsSavedAndSurvivesARestart()
{
    const Account a = addAccount("A", 0);
    const Account b = addAccount("B", 1);
    const Account c = addAccount("C", 2);
    {
        auto window = openWindow();
        // What a drag does to the list: the first item moves to the end.
        QVERIFY(window->accountList()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
        QTest::qWait(20);
    }
    const QList<Account> after = (*m_state)->accountRepository()->findAll();
    QCOMPARE(after[0].id, b.id);
    QCOMPARE(after[1].id, c.id);
    QCOMPARE(after[2].id, a.id);
    QCOMPARE(after[2].sortOrder, 2);
    auto again = openWindow();
    QCOMPARE(again->accountList()->item(0)->data(Qt::UserRole).toString(), b.id);
}

void MainWindowTest::contextMenuDeleteSelectsFirstAndNoChangesNothing()
{
    const Account a = addAccount("A", 0);
    const Account b = addAccount("B", 1);
    auto window = openWindow();
    QCOMPARE((*m_state)->currentAccountId(), a.id);
    QString asked;
    window->setQuestion([&](QWidget *, const QString &title, const QString &) {
        asked = title;
        return false;
    });
    QTimer::singleShot(50, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (QAction *action : menu->actions()) {
            if (action->text() == "Delete \"B\"") {
                action->trigger();
            }
        }
        menu->close();
    });
    QListWidget *list = window->accountList();
    window->onAccountContextMenu(list->visualItemRect(list->item(1)).center());
    QCOMPARE(asked, QString("Delete Account"));
    QCOMPARE((*m_state)->currentAccountId(), b.id);
    QCOMPARE((*m_state)->accountRepository()->findAll().size(), 2);
}

void MainWindowTest::autoPostMessageOnlyWhenSomethingWasPosted_data()
{
    QTest::addColumn<bool>("due");
    QTest::newRow("one due") << true;
    QTest::newRow("nothing due") << false;
}

void MainWindowTest::autoPostMessageOnlyWhenSomethingWasPosted()
{
    QFETCH(bool, due);
    const Account account = addAccount("Checking");
    RecurringTransaction entry =
        Records::recurring(account.id, QDate::currentDate().addDays(due ? 0 : 5));
    entry.autoPost = true;
    QVERIFY((*m_state)->recurringRepository()->insert(entry));
    auto window = openWindow();
    const QString message = window->statusBarWidget()->currentMessage();
    QCOMPARE(message, due ? QString("Auto-posted 1 recurring transaction(s)") : QString());
    QCOMPARE((*m_state)->transactionRepository()->findByAccount(account.id).size(), due ? 1 : 0);
}

void MainWindowTest::sampleEntriesOnlyWithTheDevSwitch()
{
    {
        auto window = openWindow();
        QVERIFY(!menuTexts(window->menuBar()).contains("Load &Sample Data"));
    }
    qputenv("LEDGERWELL_DEV", "1");
    auto window = openWindow();
    QVERIFY(menuTexts(window->menuBar()).contains("Load &Sample Data"));
    QVERIFY(menuTexts(window->menuBar()).contains("&Clear Sample Data"));
}

void MainWindowTest::darkThemeRepaintsAmounts()
{
    const Account account = addAccount("Checking");
    QVERIFY((*m_state)->transactionRepository()->insert(
        Records::transaction(account.id, QDate(2026, 1, 1), -500, "Cafe")));
    auto window = openWindow();
    RegisterModel *model = window->registerScreen()->model();
    const QModelIndex payment = model->index(0, RegisterModel::PaymentColumn);
    window->themeManager()->setTheme("light");
    QCOMPARE(payment.data(Qt::ForegroundRole).value<QBrush>().color(), QColor("#C62828"));
    window->themeManager()->setTheme("dark");
    QCOMPARE(payment.data(Qt::ForegroundRole).value<QBrush>().color(), QColor("#FF8A80"));
    QCOMPARE((*m_state)->preferencesRepository()->get("theme", ""), QString("dark"));
    window->themeManager()->setTheme("light");
}

void MainWindowTest::importBurstRefreshesTheSidebarOnce()
{
    const Account account = addAccount("Checking");
    auto window = openWindow();
    QTemporaryDir dir;
    QFile csv(dir.filePath("rows.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Date,Payee,Amount\n");
    for (int i = 0; i < 500; ++i) {
        csv.write(QString("1/%1/2026,Payee %2,-1.00\n").arg(1 + i % 28).arg(i).toUtf8());
    }
    csv.close();
    const int before = window->sidebarRefreshCount();
    const ImportResult result =
        (*m_state)->importService()->importCsv(csv.fileName(), account.id, {});
    QCOMPARE(result.imported, 500);
    QTRY_COMPARE(window->totalText(), QString("Total: -$500.00"));
    QVERIFY2(window->sidebarRefreshCount() - before <= 3,
             qPrintable(QString::number(window->sidebarRefreshCount() - before)));
}

void MainWindowTest::keyboardOnlyFlow()
{
    addAccount("Savings", 0);
    auto window = openWindow();
    QApplication::setActiveWindow(window.get());
    // New account from the keyboard: Ctrl+Shift+N, type the name, accept.
    window->setDialogRunner([](QDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(), "Checking");
        return true;
    });
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(window->accountList()->count(), 2);
    const QString checking = (*m_state)->currentAccountId();
    RegisterScreen *screen = window->registerScreen();
    QApplication::setActiveWindow(window.get());
    screen->view()->setFocus();
    QVERIFY(QApplication::focusWidget());
    const auto line = [&](const QString &payee, const QString &amount) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), payee);
        if (QApplication::activePopupWidget()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // closes the completion
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), amount);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    };
    for (int i = 1; i <= 4; ++i) {
        line(QString("Shop %1").arg(i), QString("%1.00").arg(i));
    }
    line("[Transfer] Savings", "50.00");
    QCOMPARE((*m_state)->transactionRepository()->findByAccount(checking).size(), 5);

    window->registerScreen()->setQuestion(
        [](QWidget *, const QString &, const QString &) { return true; });
    screen->view()->setCurrentIndex(screen->model()->index(0, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE((*m_state)->transactionRepository()->findByAccount(checking).size(), 4);

    QTest::keyClick(window.get(), Qt::Key_1, Qt::AltModifier);
    QCOMPARE(window->registerScreen()->accountId(),
             window->accountList()->item(0)->data(Qt::UserRole).toString());
    QTest::keyClick(window.get(), Qt::Key_2, Qt::AltModifier);
    QCOMPARE(window->registerScreen()->accountId(),
             window->accountList()->item(1)->data(Qt::UserRole).toString());
}

LEDGERWELL_TEST(MainWindowTest)
#include "mainwindow_test.moc"
