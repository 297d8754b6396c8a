#include "mainwindow.h"

#include "accountformdialog.h"
#include "accountsidebar.h"
#include "app/appstate.h"
#include "categoriesscreen.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "emptystatepage.h"
#include "importscreen.h"
#include "mainmenu.h"
#include "payeescreen.h"
#include "reconciliationhistoryscreen.h"
#include "reconciliationscreen.h"
#include "recurringformdialog.h"
#include "recurringscreen.h"
#include "register/registerscreen.h"
#include "reportsscreen.h"
#include "searchscreen.h"
#include "services/accountservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "settingsscreen.h"
#include "sidebarmodel.h"
#include "signincontroller.h"
#include "statusbar.h"
#include "syncindicator.h"
#include "thememanager.h"
#include "toolwindows.h"
#include "transactionformdialog.h"
#include "welcomescreen.h"
#include "windowgeometry.h"

#include <QCloseEvent>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>

#include <memory>

namespace {

const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kSplitterKey = QStringLiteral("mainwindow/splitter");

} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_theme(ThemeManager::createApplied(state->settingsService(), this))
    , m_register(new RegisterScreen(state, this))
    , m_tools(new ToolWindows(this))
    , m_question(Prompts::yesNo(QMessageBox::No, QMessageBox::Warning))
    , m_message(Prompts::warning())
    , m_runDialog(Prompts::modal())
{
    setWindowTitle(tr("Varnaby Ledgerwell"));
    WindowGeometry::restore(this, QSettings().value(kGeometryKey).toByteArray(), QSize(1280, 900));
    m_menu = new MainMenu(m_state, this);
    buildPages();
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_signIn = new SignInController(m_state->cloudClient(), m_statusBar, this);
    m_sync = new SyncIndicator(m_state, m_statusBar, this);
    m_accountWindows = new AccountWindows(m_state, this);
    connectSignals();
    updateAuthUI();
    refreshSidebar();
    postDueAtStart();
    updateRecurringDue();
    chooseInitialAccount();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages()
{
    m_welcome = new WelcomeScreen(this);
    m_empty = new EmptyStatePage(this);
    connect(m_empty, &EmptyStatePage::createAccountRequested, this,
            &MainWindow::showNewAccountDialog);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_welcome);
    m_pages->addWidget(m_register);
    m_pages->addWidget(m_empty);
    m_sidebar = new AccountSidebar(this);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    const QByteArray splitter = QSettings().value(kSplitterKey).toByteArray();
    if (splitter.isEmpty() || !m_splitter->restoreState(splitter)) {
        m_splitter->setSizes({280, 1000});
    }
    setCentralWidget(m_splitter);
}

void MainWindow::connectSignals()
{
    connectRegister();
    connect(m_signIn, &SignInController::authChanged, this, &MainWindow::updateAuthUI);
    connect(m_sync, &SyncIndicator::reloadRequested, this, &MainWindow::reloadEverything);
    connect(m_welcome, &WelcomeScreen::signInRequested, m_signIn, &SignInController::signIn);
    connect(m_welcome, &WelcomeScreen::signOutRequested, m_signIn, &SignInController::signOut);
    connect(m_empty, &EmptyStatePage::signInRequested, m_signIn, &SignInController::signIn);
    connect(m_sidebar, &AccountSidebar::accountChosen, this, &MainWindow::selectAccount);
    connect(m_sidebar, &AccountSidebar::contextMenuRequested, this,
            &MainWindow::onAccountContextMenu);
    connect(m_sidebar, &AccountSidebar::orderChanged, this, &MainWindow::saveSortOrder);
    connect(m_state->preferencesRepository(), &PreferencesRepository::changed, this,
            [this](const QString &key) {
                static const QStringList keys = {
                    QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
                    QStringLiteral("weekStartDay"), QStringLiteral("theme")};
                if (keys.contains(key)) {
                    m_register->reload();
                }
            });
    connect(m_state->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            &MainWindow::scheduleSidebarRefresh);
    connect(m_state->accountRepository(), &AccountRepository::accountsChanged, this,
            &MainWindow::scheduleSidebarRefresh);
    connect(m_welcome, &WelcomeScreen::dismissRequested, this, [this] {
        if (!m_state->currentAccountId().isEmpty()) {
            selectAccount(m_state->currentAccountId());
        } else {
            m_pages->setCurrentIndex(EmptyPage);
        }
    });
    connect(m_theme, &ThemeManager::themeChanged, m_statusBar, &StatusBar::restyle);
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, this,
            &MainWindow::updateRecurringDue);
    connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, this,
            &MainWindow::updateRecurringDue);
    // Connected before the start-up posting pass, which is where most entries are found broken.
    connect(m_state->recurringService(), &RecurringService::entryDeactivated, this,
            [this](const QString &, const QString &payee) { onEntryDeactivated(payee); });
}

void MainWindow::connectRegister()
{
    connect(m_register, &RegisterScreen::reconcileRequested, this,
            &MainWindow::showReconciliationWindow);
    connect(m_register, &RegisterScreen::errorMessage, this,
            [this](const QString &text) { m_statusBar->showTransient(text, 5000); });
    connect(m_register, &RegisterScreen::newTransactionRequested, this,
            &MainWindow::addTransactionFromForm);
    connect(m_register, &RegisterScreen::memorizeRequested, this, &MainWindow::memorize);
}

void MainWindow::postDueAtStart()
{
    const int posted = m_state->recurringService()->autoPostDue();
    m_starting = false;
    QStringList parts;
    if (posted > 0) {
        parts << tr("Auto-posted %n recurring transaction(s)", nullptr, posted);
        refreshSidebar();
    }
    if (!m_deactivatedAtStart.isEmpty()) {
        parts << tr("Recurring entries that can no longer post were set inactive: %1")
                     .arg(m_deactivatedAtStart.join(QStringLiteral(", ")));
    }
    if (!parts.isEmpty()) {
        m_statusBar->showTransient(parts.join(QStringLiteral("  \u00B7  ")),
                                   m_deactivatedAtStart.isEmpty() ? 5000 : 10000);
    }
}

void MainWindow::onEntryDeactivated(const QString &payee)
{
    const QString name = payee.isEmpty() ? tr("(no payee)") : payee;
    if (m_starting) {
        m_deactivatedAtStart << name;
        return;
    }
    m_statusBar->showTransient(
        tr("Recurring entries that can no longer post were set inactive: %1").arg(name), 10000);
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = m_signIn->isSignedIn();
    m_menu->setSignedIn(signedIn);
    m_sync->showState();
    m_welcome->updateAuthUI(signedIn);
    m_empty->setSignInOffered(!signedIn);
    if (m_pages->currentIndex() != WelcomePage) {
        return;
    }
    if (!m_state->currentAccountId().isEmpty()) {
        selectAccount(m_state->currentAccountId());
    } else {
        m_pages->setCurrentIndex(EmptyPage);
    }
}

void MainWindow::updateRecurringDue()
{
    m_statusBar->setRecurringDue(m_state->recurringService()->pendingCount());
}

QListView *MainWindow::accountList() const
{
    return m_sidebar->view();
}

QString MainWindow::totalText() const
{
    return m_sidebar->totalText();
}

QList<QShortcut *> MainWindow::accountShortcuts() const
{
    return m_sidebar->shortcuts();
}

void MainWindow::scheduleSidebarRefresh()
{
    if (m_refreshPending) {
        return;
    }
    m_refreshPending = true;
    // Refreshes follow each other at least this far apart, so that a burst of changes (an import
    // lets the event loop run every hundred rows) costs a few refreshes, not one per turn.
    constexpr qint64 minimumGap = 250;
    const qint64 since = m_lastRefresh.isValid() ? m_lastRefresh.elapsed() : minimumGap;
    QTimer::singleShot(int(std::max<qint64>(0, minimumGap - since)), this, [this] {
        m_refreshPending = false;
        refreshSidebar();
    });
}

void MainWindow::onAccountsChanged()
{
    refreshSidebar();
}

void MainWindow::refreshSidebar()
{
    ++m_sidebarRefreshes;
    m_lastRefresh.start();
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    // A sum in SQL gives the register's last running balance without loading its lines.
    m_sidebar->setAccounts(accounts, m_state->transactionRepository()->balancesByAccount(),
                           m_state->currentAccountId());
    m_statusBar->setAccountCount(int(accounts.size()));
}

void MainWindow::saveSortOrder(const QList<QPair<QString, int>> &orders)
{
    if (!m_state->accountService()->updateSortOrders(orders)) {
        m_statusBar->showTransient(m_state->accountService()->lastError(), 5000);
        refreshSidebar();
    }
}

void MainWindow::onAccountClicked(const QModelIndex &index)
{
    const QString id = m_sidebar->model()->accountIdAt(index.row());
    if (!id.isEmpty()) {
        selectAccount(id);
    }
}

void MainWindow::selectAccount(const QString &accountId)
{
    m_state->setCurrentAccountId(accountId);
    // The register already showing this account keeps its place instead of loading again.
    if (m_register->accountId() != accountId || m_pages->currentIndex() != RegisterPage) {
        m_register->setAccount(accountId);
    }
    m_pages->setCurrentIndex(RegisterPage);
    m_sidebar->select(accountId);
}

void MainWindow::chooseInitialAccount()
{
    const QString remembered = m_state->currentAccountId();
    const auto account = m_state->accountRepository()->findById(remembered);
    if (!remembered.isEmpty() && account && !account->deletedAt) {
        selectAccount(remembered);
        return;
    }
    const QString first = m_sidebar->model()->accountIdAt(0);
    if (!first.isEmpty()) {
        selectAccount(first);
        return;
    }
    // A new user meets "Create your first account" first, signed in or not; the sign-in is
    // offered there as a smaller link.
    m_pages->setCurrentIndex(EmptyPage);
}

bool MainWindow::requireAccount()
{
    if (!m_state->currentAccountId().isEmpty()) {
        return true;
    }
    m_statusBar->showTransient(tr("Select an account first"), 3000);
    return false;
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    // A refused save keeps the form as typed, so the user can correct it or cancel.
    while (m_runDialog(&dialog)) {
        Account account = dialog.account();
        if (account.name.isEmpty()) {
            return;
        }
        if (m_state->accountService()->create(account, dialog.asOfDate())) {
            selectAccount(account.id);
            return;
        }
        m_message(this, tr("New Account"), m_state->accountService()->lastError());
    }
}

void MainWindow::showEditAccountDialog()
{
    if (!requireAccount()) {
        return;
    }
    const auto account = m_state->accountRepository()->findById(m_state->currentAccountId());
    if (!account) {
        return;
    }
    AccountService *service = m_state->accountService();
    AccountFormDialog dialog(*account, this);
    const AccountService::OpeningBalance opening = service->openingBalance(account->id);
    dialog.setOpeningBalance(opening.amount, opening.date);
    while (m_runDialog(&dialog)) {
        if (service->edit(dialog.account(), dialog.openingBalance(), dialog.asOfDate())) {
            m_register->reload();
            refreshSidebar();
            return;
        }
        m_message(this, tr("Edit Account"), service->lastError());
    }
}

void MainWindow::addTransactionFromForm(const QString &accountId)
{
    if (accountId.isEmpty()) {
        return;
    }
    TransactionFormDialog dialog(m_state, accountId, this);
    while (m_runDialog(&dialog)) {
        if (m_state->transactionService()->add(dialog.transaction())) {
            m_register->reload();
            m_register->scrollToEntryRow();
            return;
        }
        m_message(this, tr("New Transaction"), m_state->transactionService()->lastError());
    }
}

void MainWindow::memorize(const RecurringTransaction &seed)
{
    std::unique_ptr<RecurringFormDialog> dialog(RecurringFormDialog::memorize(m_state, seed, this));
    while (m_runDialog(dialog.get())) {
        if (m_state->recurringService()->add(dialog->recurring())) {
            m_register->showStatus(tr("Transaction memorized as recurring"), 3000);
            return;
        }
        m_message(this, tr("Memorize Transaction"), m_state->recurringService()->lastError());
    }
}

void MainWindow::deleteAccount(const QString &accountId)
{
    const auto account = m_state->accountRepository()->findById(accountId);
    if (!account) {
        return;
    }
    const QString text =
        tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for "
           "this account will be removed. You can restore it from Preferences \u2192 Data & Sync.")
            .arg(account->name);
    if (!m_question(this, tr("Delete Account"), text)) {
        return;
    }
    if (!m_state->accountService()->remove(accountId)) {
        m_statusBar->showTransient(m_state->accountService()->lastError(), 5000);
        return;
    }
    if (m_state->currentAccountId() == accountId) {
        m_state->setCurrentAccountId(QString());
        m_pages->setCurrentIndex(WelcomePage);
    }
    refreshSidebar();
}

void MainWindow::deleteCurrentAccount()
{
    if (requireAccount()) {
        deleteAccount(m_state->currentAccountId());
    }
}

void MainWindow::onAccountContextMenu(const QPoint &position)
{
    QMenu menu(this);
    menu.addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);
    const QString id = m_sidebar->accountIdAt(position);
    const auto account = m_state->accountRepository()->findById(id);
    if (account && !account->deletedAt) {
        const auto select = [this, id](auto action) {
            return [this, id, action] {
                selectAccount(id);
                action();
            };
        };
        menu.addSeparator();
        menu.addAction(tr("Edit \"%1\"...").arg(account->name), this,
                       select([this] { showEditAccountDialog(); }));
        menu.addAction(tr("Reconcile..."), this, select([this] { showReconciliationWindow(); }));
        menu.addAction(tr("Reconciliation History..."), this,
                       select([this] { showReconciliationHistoryWindow(); }));
        menu.addAction(tr("Rename Payees..."), this, select([this] { showPayeesWindow(); }));
        menu.addSeparator();
        menu.addAction(tr("Share..."), this, select([this] { showShareAccountDialog(); }));
        menu.addSeparator();
        menu.addAction(tr("Delete \"%1\"").arg(account->name), this,
                       select([this, id] { deleteAccount(id); }));
    }
    menu.exec(accountList()->viewport()->mapToGlobal(position));
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurring) {
        m_recurring = new RecurringScreen(m_state, this);
        connect(m_recurring, &RecurringScreen::transactionsChanged, this, [this] {
            refreshSidebar();
            m_register->reload();
        });
        connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, m_recurring,
                [this] {
                    if (m_recurring->isVisible()) {
                        m_recurring->refresh();
                    }
                });
    }
    m_recurring->refresh();
    m_tools->present(m_recurring, tr("Recurring Transactions"), QSize(700, 500));
}

void MainWindow::showReportsWindow()
{
    if (!m_reports) {
        m_reports = new ReportsScreen(m_state, this);
    }
    m_tools->present(m_reports, tr("Reports"), QSize(800, 600));
    m_reports->refresh();
}

void MainWindow::showSearchWindow()
{
    if (!m_search) {
        m_search = new SearchScreen(m_state, this);
        // Opening a found transaction shows its line in its account's register.
        connect(m_search, &SearchScreen::openTransactionRequested, this,
                [this](const QString &accountId, const QString &transactionId) {
                    selectAccount(accountId);
                    m_register->selectTransaction(transactionId);
                    activateWindow();
                });
    }
    m_search->reset();
    m_tools->present(m_search, tr("Search Transactions"), QSize(800, 550));
    m_search->focusSearch();
}

void MainWindow::showImportWindow()
{
    if (!m_import) {
        m_import = new ImportScreen(m_state, this);
        connect(m_import, &ImportScreen::importCompleted, this, [this] {
            refreshSidebar();
            m_register->reload();
        });
    }
    m_import->reloadAccounts();
    m_import->reset();
    m_tools->present(m_import, tr("Import Transactions"), QSize(650, 600));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payees) {
        m_payees = new PayeeScreen(m_state, this);
        connect(m_payees, &PayeeScreen::payeesChanged, m_register, &RegisterScreen::reload);
    }
    m_payees->refresh();
    m_tools->present(m_payees, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showSettingsWindow()
{
    if (!m_settings) {
        m_settings = new SettingsScreen(m_state, m_theme, this);
        connect(m_settings, &SettingsScreen::deletedAccountRestored, this,
                &MainWindow::reloadEverything);
    }
    m_settings->refresh();
    m_tools->present(m_settings, tr("Preferences"), QSize(500, 550));
}

void MainWindow::reloadEverything()
{
    refreshSidebar();
    m_register->reload(); // first: an account chosen below that it already shows is not read twice
    chooseInitialAccount();
    if (m_recurring) {
        m_recurring->refresh();
    }
    if (m_categories) {
        m_categories->refresh();
    }
    if (m_payees) {
        m_payees->refresh();
    }
    if (m_import) {
        m_import->reloadAccounts();
    }
    if (m_reports && m_reports->isVisible()) {
        m_reports->refresh();
    }
    updateRecurringDue();
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categories) {
        m_categories = new CategoriesScreen(m_state, this);
    }
    m_categories->refresh();
    m_tools->present(m_categories, tr("Categories"), QSize(600, 500));
}

ReconciliationScreen *MainWindow::reconciliationScreen() const
{
    return m_reconciliation;
}

void MainWindow::showReconciliationWindow()
{
    if (!requireAccount()) {
        return;
    }
    const auto account = m_state->accountRepository()->findById(m_state->currentAccountId());
    if (!account) {
        return;
    }
    // A new window each time, deleted when closed.
    auto *screen = new ReconciliationScreen(m_state, this);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setAccount(account->id);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        m_register->reload();
        refreshSidebar();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    m_reconciliation = screen;
    m_tools->present(screen, tr("Reconcile — %1").arg(account->name), QSize(1100, 720));
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireAccount()) {
        return;
    }
    if (!m_history) {
        m_history = new ReconciliationHistoryScreen(m_state, this);
    }
    m_history->setAccount(m_state->currentAccountId());
    m_tools->present(m_history, tr("Reconciliation History"), QSize(750, 500));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
