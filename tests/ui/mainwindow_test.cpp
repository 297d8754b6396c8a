#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "services/accountservice.h"
#include "services/importservice.h"
#include "support/records.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/accountformdialog.h"
#include "ui/datasyncpage.h"
#include "ui/emptystatepage.h"
#include "ui/mainmenu.h"
#include "ui/mainwindow.h"
#include "ui/payeescreen.h"
#include "ui/reportsscreen.h"
#include "ui/settingsscreen.h"
#include "ui/shortcutsbox.h"
#include "ui/sidebarmodel.h"
#include "ui/statusbar.h"
#include "ui/thememanager.h"
#include "ui/toolwindows.h"
#include "ui/transactionformdialog.h"
#include "ui/welcomescreen.h"

#include <QApplication>
#include <QBrush>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
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
    void firstStartOffersCreateAccountThenSignIn();
    void preferencesRestoreReachesEveryView();
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
    void sidebarTotalKeepsCurrenciesApart_data();
    void sidebarTotalKeepsCurrenciesApart();
    void editAccountChangesTheOneOpeningBalance();
    void newAccountKeysWorkFromAToolWindow();
    void shortcutsBoxSaysWhereCtrlIApplies();
    void brokenRecurringEntriesAreNamedAtStart();
    void registerFormRequestStoresInTheAccountCurrency_data();
    void registerFormRequestStoresInTheAccountCurrency();
    void registerMemorizeRequestStoresTheEntry();
    void toolWindowsAreRememberedAndKeptOnScreen();
    void toolWindowClamping_data();
    void toolWindowClamping();

private:
    Account addAccount(const QString &name, int order = 0);
    std::unique_ptr<MainWindow> openWindow();
    static QStringList menuTexts(QMenuBar *bar);

    std::unique_ptr<TestAppState> m_state;
};

void MainWindowTest::initTestCase() {}

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

void MainWindowTest::firstStartOffersCreateAccountThenSignIn()
{
    auto window = openWindow();
    // "Create your first account" comes first; signing in is the smaller offer on that page.
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::EmptyPage));
    QCOMPARE(window->totalText(), QString("No accounts"));
    QVERIFY(window->emptyStatePage()->signInLink()->isVisible());
    QCOMPARE(window->statusBarWidget()->syncStateText(), QString("Not signed in"));
    // File › Sign In shows the welcome page; continuing without an account comes back.
    QVERIFY(window->mainMenu()->signInAction()->isVisible());
    QVERIFY(!window->mainMenu()->signOutAction()->isVisible());
    window->mainMenu()->signInAction()->trigger();
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::WelcomePage));
    window->welcomeScreen()->continueButton()->click();
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::EmptyPage));

    window->setDialogRunner([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText("Checking");
        return true;
    });
    window->pages()->currentWidget()->findChild<QPushButton *>("createAccountButton")->click();
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::RegisterPage));
    QTRY_COMPARE(window->accountList()->model()->rowCount(), 1);
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
    QCOMPARE(window->accountList()->model()->rowCount(), 1);
}

void MainWindowTest::startingBalanceBecomesAnOpeningTransaction()
{
    auto window = openWindow();
    window->setDialogRunner([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText("Savings");
        dialog->findChild<QDoubleSpinBox *>()->setValue(100.00);
        dialog->findChild<DateField *>()->setDate(QDate(2026, 2, 1));
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
    QCOMPARE(
        again->accountList()->model()->index(0, 0).data(SidebarModel::AccountIdRole).toString(),
        b.id);
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
    QListView *list = window->accountList();
    window->onAccountContextMenu(list->visualRect(list->model()->index(1, 0)).center());
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
    QTRY_COMPARE(window->accountList()->model()->rowCount(), 2);
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
    QCOMPARE(
        window->registerScreen()->accountId(),
        window->accountList()->model()->index(0, 0).data(SidebarModel::AccountIdRole).toString());
    QTest::keyClick(window.get(), Qt::Key_2, Qt::AltModifier);
    QCOMPARE(
        window->registerScreen()->accountId(),
        window->accountList()->model()->index(1, 0).data(SidebarModel::AccountIdRole).toString());
}

void MainWindowTest::sidebarTotalKeepsCurrenciesApart_data()
{
    QTest::addColumn<QStringList>("currencies");
    QTest::addColumn<QString>("total");
    // Each account holds 100 units of its currency's minor unit times 100.
    QTest::newRow("one currency") << QStringList{"USD", "USD"} << "Total: $200.00";
    QTest::newRow("two currencies")
        << QStringList{"USD", "JPY", "USD"} << QString::fromUtf8("Total: $200.00 · ¥10,000");
    QTest::newRow("euro only") << QStringList{"EUR"} << QString::fromUtf8("Total: €100.00");
}

void MainWindowTest::sidebarTotalKeepsCurrenciesApart()
{
    QFETCH(QStringList, currencies);
    QFETCH(QString, total);
    for (int i = 0; i < currencies.size(); ++i) {
        Account account = Records::account(QString("Account %1").arg(i), i, 10000);
        account.currency = currencyFromText(currencies[i]);
        QVERIFY((*m_state)->accountRepository()->insert(account));
    }
    auto window = openWindow();
    QCOMPARE(window->totalText(), total);
}

void MainWindowTest::editAccountChangesTheOneOpeningBalance()
{
    Account account = Records::account("Checking");
    QVERIFY((*m_state)->accountService()->create(account, QDate(2026, 1, 15)));
    QVERIFY((*m_state)->accountService()->edit(account, -19599, QDate(2026, 1, 15)));
    auto window = openWindow();
    double shown = 0;
    QDate shownDate;
    window->setDialogRunner([&](QDialog *dialog) {
        auto *balance = dialog->findChild<QDoubleSpinBox *>();
        shown = balance->value();
        shownDate = dialog->findChild<DateField *>()->date();
        balance->setValue(-400.00);
        return true;
    });
    window->showEditAccountDialog();
    QCOMPARE(shown, -195.99);
    QCOMPARE(shownDate, QDate(2026, 1, 15));
    QList<Transaction> openings;
    for (const Transaction &t : (*m_state)->transactionRepository()->findByAccount(account.id)) {
        if (t.payee == "Opening Balance") {
            openings << t;
        }
    }
    QCOMPARE(openings.size(), 1);
    QCOMPARE(openings[0].amount, qint64(-40000));
    QCOMPARE((*m_state)->accountRepository()->findById(account.id)->startingBalance, qint64(0));
    QTRY_COMPARE(window->totalText(), QString("Total: -$400.00"));
}

void MainWindowTest::newAccountKeysWorkFromAToolWindow()
{
    addAccount("Savings");
    auto window = openWindow();
    window->showReportsWindow();
    QWidget *reports = window->reportsScreen();
    QApplication::setActiveWindow(reports);
    QVERIFY(QTest::qWaitForWindowActive(reports));
    bool opened = false;
    window->setDialogRunner([&](QDialog *dialog) {
        opened = dialog->windowTitle() == "New Account";
        return false;
    });
    QTest::keyClick(reports, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(opened);
}

void MainWindowTest::shortcutsBoxSaysWhereCtrlIApplies()
{
    const QString html = ShortcutsBox::html();
    static const QRegularExpression row("<tr><td><b>([^<]*)</b></td><td>([^<]*)</td></tr>");
    QStringList ctrlI;
    for (const QRegularExpressionMatch &match : row.globalMatch(html)) {
        if (match.captured(1) == "Ctrl+I") {
            ctrlI << match.captured(2);
        }
    }
    QCOMPARE(ctrlI.size(), 2);
    QCOMPARE(ctrlI[0], QString("Insert new transaction (in the register)"));
    QCOMPARE(ctrlI[1], QString("Import (outside the register)"));
    QVERIFY(html.contains("<b>Ctrl+Shift+N</b></td><td>New account (everywhere)"));
}

void MainWindowTest::brokenRecurringEntriesAreNamedAtStart()
{
    const Account source = addAccount("Checking", 0);
    const Account gone = addAccount("Holiday Fund", 1);
    RecurringTransaction entry = Records::recurring(source.id, QDate::currentDate());
    entry.payee = "Holiday sweep";
    entry.transferDestAccountId = gone.id;
    entry.autoPost = true;
    QVERIFY((*m_state)->recurringRepository()->insert(entry));
    QVERIFY((*m_state)->accountRepository()->softDelete(gone.id));
    auto window = openWindow();
    const QString message = window->statusBarWidget()->currentMessage();
    QVERIFY2(message.contains("Holiday sweep"), qPrintable(message));
    QVERIFY(!(*m_state)->recurringRepository()->findById(entry.id)->isActive);
    QVERIFY((*m_state)->transactionRepository()->findByAccount(source.id).isEmpty());
}

void MainWindowTest::registerFormRequestStoresInTheAccountCurrency_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("dollars") << "USD"
                             << "12.34" << qint64(-1234);
    QTest::newRow("yen") << "JPY"
                         << "1000" << qint64(-1000);
}

void MainWindowTest::registerFormRequestStoresInTheAccountCurrency()
{
    QFETCH(QString, currency);
    QFETCH(QString, typed);
    QFETCH(qint64, stored);
    Account account = Records::account("Wallet");
    account.currency = currencyFromText(currency);
    QVERIFY((*m_state)->accountRepository()->insert(account));
    auto window = openWindow();
    window->setDialogRunner([&](QDialog *dialog) {
        for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
            if (edit->placeholderText() == "Start typing to search payees...") {
                edit->setText("Kiosk");
            }
        }
        auto *amount = dialog->findChild<QDoubleSpinBox *>();
        amount->selectAll();
        QTest::keyClicks(amount, typed);
        amount->interpretText();
        dialog->accept();
        return dialog->result() == QDialog::Accepted;
    });
    emit window->registerScreen()->newTransactionRequested(account.id);
    const QList<Transaction> rows = (*m_state)->transactionRepository()->findByAccount(account.id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].payee, QString("Kiosk"));
    QCOMPARE(rows[0].amount, stored);
    QCOMPARE(window->registerScreen()->model()->rowCount(), 2);
}

void MainWindowTest::registerMemorizeRequestStoresTheEntry()
{
    const Account account = addAccount("Checking");
    auto window = openWindow();
    RecurringTransaction seed;
    seed.accountId = account.id;
    seed.payee = "Gym";
    seed.amount = -4500;
    seed.frequency = Frequency::Monthly;
    seed.startDate = QDate(2026, 3, 1);
    seed.nextDueDate = seed.startDate;
    QString title;
    window->setDialogRunner([&](QDialog *dialog) {
        title = dialog->windowTitle();
        dialog->accept();
        return dialog->result() == QDialog::Accepted;
    });
    emit window->registerScreen()->memorizeRequested(seed);
    QCOMPARE(title, QString("Memorize Transaction"));
    const QList<RecurringTransaction> entries = (*m_state)->recurringRepository()->findAll();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].payee, QString("Gym"));
    QCOMPARE(entries[0].amount, qint64(-4500));
    QCOMPARE(entries[0].nextDueDate, QDate(2026, 3, 1));
    QCOMPARE(window->registerScreen()->statusText(), QString("Transaction memorized as recurring"));
}

void MainWindowTest::toolWindowsAreRememberedAndKeptOnScreen()
{
    addAccount("Checking");
    auto window = openWindow();
    const QRect available = window->screen()->availableGeometry();
    window->showPayeesWindow();
    QWidget *payees = window->payeeScreen();
    // The first time: its default size, inside the screen.
    QCOMPARE(payees->size(), QSize(550, 500));
    QVERIFY(available.contains(payees->frameGeometry()));
    // Left where the user put it, it comes back there.
    payees->move(available.topLeft() + QPoint(20, 30));
    payees->close();
    window->showPayeesWindow();
    QCOMPARE(payees->pos(), available.topLeft() + QPoint(20, 30));
    // Left off the screen, it comes back inside it.
    payees->move(available.right() + 400, available.bottom() + 400);
    payees->close();
    window->showPayeesWindow();
    QVERIFY2(available.contains(payees->frameGeometry()),
             qPrintable(QString("%1,%2").arg(payees->x()).arg(payees->y())));
}

void MainWindowTest::toolWindowClamping_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("expected");
    const QRect screen(0, 0, 1000, 800);
    QTest::newRow("inside stays") << QRect(100, 100, 300, 200) << QRect(100, 100, 300, 200);
    QTest::newRow("off the right") << QRect(900, 100, 300, 200) << QRect(700, 100, 300, 200);
    QTest::newRow("above the top") << QRect(100, -50, 300, 200) << QRect(100, 0, 300, 200);
    QTest::newRow("larger than the screen") << QRect(-10, -10, 1200, 900) << screen;
}

void MainWindowTest::toolWindowClamping()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, expected);
    QCOMPARE(ToolWindows::clamped(frame, QRect(0, 0, 1000, 800)), expected);
}

void MainWindowTest::preferencesRestoreReachesEveryView()
{
    addAccount("Checking");
    const Account gone = addAccount("Old Savings", 1);
    QVERIFY((*m_state)->accountService()->remove(gone.id));
    auto window = openWindow();
    QCOMPARE(window->accountList()->model()->rowCount(), 1);
    QAction *preferences = nullptr;
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == "&Preferences...") {
            preferences = action;
        }
    }
    QVERIFY(preferences);
    const QList<QKeySequence> standard = QKeySequence::keyBindings(QKeySequence::Preferences);
    QCOMPARE(preferences->shortcut(), standard.isEmpty() ? QKeySequence("Ctrl+,") : standard[0]);
    QTest::keyClick(window.get(), Qt::Key_Comma, Qt::ControlModifier);
    QTRY_VERIFY(window->settingsScreen());
    SettingsScreen *settings = window->settingsScreen();
    QVERIFY(settings && settings->isVisible());
    DataSyncPage *page = settings->dataSyncPage();
    QCOMPARE(page->deletedAccounts()->count(), 1);
    page->deletedAccounts()->setCurrentRow(0);
    page->restoreButton()->click();
    QCOMPARE(window->accountList()->model()->rowCount(), 2);
}

LEDGERWELL_TEST(MainWindowTest)
#include "mainwindow_test.moc"
