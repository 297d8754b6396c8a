#include "mainwindow.h"

#include "accountformdialog.h"
#include "app/appstate.h"
#include "categoriesscreen.h"
#include "data/accountrepository.h"
#include "data/datetimes.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "elidedlabel.h"
#include "importscreen.h"
#include "payeescreen.h"
#include "reconciliationhistoryscreen.h"
#include "reconciliationscreen.h"
#include "recurringscreen.h"
#include "register/registerscreen.h"
#include "reportsscreen.h"
#include "searchscreen.h"
#include "services/accountservice.h"
#include "services/recurringservice.h"
#include "services/reporttable.h"
#include "services/sampledataservice.h"
#include "statusbar.h"
#include "thememanager.h"
#include "welcomescreen.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kSplitterKey = QStringLiteral("mainwindow/splitter");
const QString kTeal = QStringLiteral("#4DB6AC");
const QString kSidebarMuted = QStringLiteral("#8FAF9F");

QFont scaled(int delta, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    font.setWeight(weight);
    return font;
}

QLabel *glyphLabel(char16_t glyph, int pixels, const QString &color, QWidget *parent)
{
    auto *label = new QLabel(QString(QChar(glyph)), parent);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    return label;
}

char16_t typeGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return 0xE84F;
    case AccountType::Savings:
        return 0xE2EB;
    case AccountType::CreditCard:
        return 0xE870;
    case AccountType::Cash:
        return 0xE57D;
    case AccountType::Investment:
        return 0xE8E5;
    case AccountType::Other:
        break;
    }
    return 0xE850;
}

} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_theme(ThemeManager::createApplied(state->preferencesRepository(), this))
    , m_register(new RegisterScreen(state, this))
    , m_question(Prompts::yesNo(QMessageBox::No, QMessageBox::Warning))
    , m_runDialog(Prompts::modal())
{
    setWindowTitle(tr("Varnaby Ledgerwell"));
    const QByteArray geometry = QSettings().value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        resize(1280, 900);
    }
    setupMenuBar();
    m_welcome = new WelcomeScreen(this);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_welcome);
    m_pages->addWidget(m_register);
    m_pages->addWidget(buildEmptyPage());
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(buildSidebar());
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    const QByteArray splitter = QSettings().value(kSplitterKey).toByteArray();
    if (splitter.isEmpty() || !m_splitter->restoreState(splitter)) {
        m_splitter->setSizes({280, 1000});
    }
    setCentralWidget(m_splitter);
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    connectSignals();
    updateAuthUI();
    refreshSidebar();

    const int posted = m_state->recurringService()->autoPostDue();
    if (posted > 0) {
        m_statusBar->showTransient(tr("Auto-posted %n recurring transaction(s)", nullptr, posted),
                                   5000);
        refreshSidebar();
    }
    updateRecurringDue();
    chooseInitialAccount();
}

MainWindow::~MainWindow() = default;

void MainWindow::setupMenuBar()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *newTransaction = file->addAction(tr("&New Transaction"));
    newTransaction->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    connect(newTransaction, &QAction::triggered, this, [this] {
        if (m_pages->currentIndex() == RegisterPage) {
            m_register->insertNewEntry();
        }
    });
    QAction *newAccount = file->addAction(tr("New &Account"));
    newAccount->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    connect(newAccount, &QAction::triggered, this, &MainWindow::showNewAccountDialog);
    file->addSeparator();
    QAction *import = file->addAction(tr("&Import..."));
    import->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    connect(import, &QAction::triggered, this, &MainWindow::showImportWindow);
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *find = edit->addAction(tr("&Find..."));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &MainWindow::showSearchWindow);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    QAction *reports = view->addAction(tr("&Reports"));
    reports->setShortcut(QKeySequence(QStringLiteral("Ctrl+2")));
    connect(reports, &QAction::triggered, this, &MainWindow::showReportsWindow);
    QAction *recurring = view->addAction(tr("Re&curring Transactions"));
    recurring->setShortcut(QKeySequence(QStringLiteral("Ctrl+3")));
    connect(recurring, &QAction::triggered, this, &MainWindow::showRecurringWindow);
    QAction *categories = view->addAction(tr("C&ategories"));
    categories->setShortcut(QKeySequence(QStringLiteral("Ctrl+4")));
    connect(categories, &QAction::triggered, this, &MainWindow::showCategoriesWindow);

    QMenu *account = menuBar()->addMenu(tr("&Account"));
    connect(account->addAction(tr("&Edit...")), &QAction::triggered, this,
            &MainWindow::showEditAccountDialog);
    QAction *reconcile = account->addAction(tr("&Reconcile..."));
    reconcile->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(reconcile, &QAction::triggered, this, &MainWindow::showReconciliationWindow);
    connect(account->addAction(tr("Reconciliation &History...")), &QAction::triggered, this,
            &MainWindow::showReconciliationHistoryWindow);
    connect(account->addAction(tr("Rename &Payees...")), &QAction::triggered, this,
            &MainWindow::showPayeesWindow);
    account->addSeparator();
    connect(account->addAction(tr("&Delete")), &QAction::triggered, this,
            &MainWindow::deleteCurrentAccount);
    addHelpMenu();
}

void MainWindow::addHelpMenu()
{
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    connect(help->addAction(tr("&About Varnaby Ledgerwell")), &QAction::triggered, this,
            &MainWindow::showAbout);
    connect(help->addAction(tr("&Keyboard Shortcuts")), &QAction::triggered, this,
            &MainWindow::showShortcuts);
    if (!qEnvironmentVariableIsEmpty("LEDGERWELL_DEV")) {
        help->addSeparator();
        connect(help->addAction(tr("Load &Sample Data")), &QAction::triggered, this,
                &MainWindow::loadSampleData);
        connect(help->addAction(tr("&Clear Sample Data")), &QAction::triggered, this,
                &MainWindow::clearSampleData);
    }
}

QWidget *MainWindow::buildEmptyPage()
{
    auto *page = new QWidget(this);
    auto *column = new QVBoxLayout(page);
    column->setSpacing(12);
    column->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(tr("Welcome to Varnaby Ledgerwell"), page);
    title->setFont(scaled(8, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    auto *line = new QLabel(tr("Create your first account to get started."), page);
    line->setFont(scaled(1, QFont::Medium));
    line->setAlignment(Qt::AlignCenter);
    line->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    auto *create = new QPushButton(tr("Create Account"), page);
    create->setObjectName(QStringLiteral("createAccountButton"));
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    create->setStyleSheet(
        QStringLiteral("QPushButton {  background-color: %1;  color: white;  border: none;  "
                       "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: "
                       "80px;}QPushButton:hover {  background-color: #00796B;}QPushButton:pressed "
                       "{  background-color: #004D40;}")
            .arg(QStringLiteral("#00897B")));
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(create);
    buttonRow->addStretch();
    auto *hint = new QLabel(
        tr("You can also import transactions from a CSV file via File \u203A Import."), page);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    column->addWidget(glyphLabel(0xE850, 96, kTeal, page));
    column->addWidget(title);
    column->addWidget(line);
    column->addLayout(buttonRow);
    column->addWidget(hint);
    return page;
}

QWidget *MainWindow::buildSidebar()
{
    auto *sidebar = new QWidget(this);
    auto *layout = new QVBoxLayout(sidebar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_accountList = new QListWidget(sidebar);
    m_accountList->setMinimumWidth(260);
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);
    m_accountList->setStyleSheet(
        QStringLiteral("QListWidget {  background-color: %1;  border: none;  outline: none;  "
                       "padding: 6px 0;  font-size: 10pt;}QListWidget::item {  color: %2;  "
                       "padding: 7px 14px;  border: none;}QListWidget::item:hover {  "
                       "background-color: %3;  color: %4;}QListWidget::item:selected {  "
                       "background-color: %5;  color: %4;}QListWidget::item:disabled {  color: "
                       "%6;  padding: 10px 14px 4px 14px;  background: transparent;}")
            .arg(QStringLiteral("#152420"), kSidebarMuted, QStringLiteral("#1E3530"),
                 QStringLiteral("#FFFFFF"), QStringLiteral("#26574A"), QStringLiteral("#5A7A6E")));
    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this,
            &MainWindow::onAccountContextMenu);
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::saveSortOrder); });
    m_totalLabel = new QLabel(sidebar);
    m_totalLabel->setFont(scaled(0, QFont::Medium));
    m_totalLabel->setAlignment(Qt::AlignCenter);
    m_totalLabel->setFixedHeight(32);
    m_totalLabel->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(QStringLiteral("#152420"), kSidebarMuted, QStringLiteral("#1E3028")));
    layout->addWidget(m_accountList, 1);
    layout->addWidget(m_totalLabel);
    sidebar->setMinimumWidth(260);
    sidebar->setMaximumWidth(500);
    return sidebar;
}

void MainWindow::connectSignals()
{
    connect(m_register, &RegisterScreen::reconcileRequested, this,
            &MainWindow::showReconciliationWindow);
    connect(m_register, &RegisterScreen::errorMessage, this,
            [this](const QString &text) { m_statusBar->showTransient(text, 5000); });
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
}

void MainWindow::updateAuthUI()
{
    // Signed out until the cloud account exists.
    m_statusBar->setSyncState(tr("Not signed in"));
    m_welcome->updateAuthUI(false);
    if (m_pages->currentIndex() == WelcomePage && !m_state->currentAccountId().isEmpty()) {
        selectAccount(m_state->currentAccountId());
    }
}

void MainWindow::updateRecurringDue()
{
    m_statusBar->setRecurringDue(m_state->recurringService()->pendingCount());
}

QString MainWindow::totalText() const
{
    return m_totalLabel->text();
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

QWidget *MainWindow::accountItemWidget(const Account &account, qint64 balance) const
{
    auto *widget = new QWidget;
    auto *row = new QHBoxLayout(widget);
    row->setContentsMargins(6, 8, 8, 8);
    row->setSpacing(8);
    QLabel *icon = glyphLabel(typeGlyph(account.type), 22, kTeal, widget);
    icon->setFixedSize(24, 24);
    row->addWidget(icon);
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    auto *first = new QHBoxLayout;
    auto *name = new ElidedLabel(account.name, widget);
    QFont nameFont = QApplication::font();
    nameFont.setWeight(QFont::Medium);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    name->setToolTip(account.name);
    auto *amount = new QLabel(formatMoney(balance, account.currency), widget);
    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(QApplication::font().pointSizeF());
    amount->setFont(mono);
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount->setStyleSheet(balance >= 0 ? QStringLiteral("color: #66BB6A;")
                                       : QStringLiteral("color: #FF8A80;"));
    amount->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(amount->text()) + 4);
    amount->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    first->addWidget(name, 1);
    first->addWidget(amount);
    QString detail = account.institution.isEmpty()
                         ? ReportTable::accountTypeLabel(accountTypeToText(account.type))
                         : account.institution;
    if (!account.accountNumberLast4.isEmpty()) {
        detail += QStringLiteral("  \u00B7  *%1").arg(account.accountNumberLast4);
    }
    auto *second = new QLabel(detail, widget);
    second->setFont(scaled(-2, QFont::Normal));
    second->setStyleSheet(QStringLiteral("color: %1;").arg(kSidebarMuted));
    column->addLayout(first);
    column->addWidget(second);
    row->addLayout(column, 1);
    return widget;
}

void MainWindow::refreshSidebar()
{
    ++m_sidebarRefreshes;
    m_lastRefresh.start();
    m_accountList->clear();
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    // A sum in SQL gives the register's last running balance without loading its lines.
    const QHash<QString, qint64> sums = m_state->transactionRepository()->balancesByAccount();
    qint64 total = 0;
    for (const Account &account : accounts) {
        const qint64 balance = account.startingBalance + sums.value(account.id);
        total += balance;
        auto *item = new QListWidgetItem(m_accountList);
        item->setData(Qt::UserRole, account.id);
        QWidget *widget = accountItemWidget(account, balance);
        // The style sheet pads every item by 7 pixels above and below on top of the 10 spare.
        item->setSizeHint(
            QSize(m_accountList->viewport()->width(), widget->sizeHint().height() + 10 + 14));
        m_accountList->setItemWidget(item, widget);
    }
    m_statusBar->setAccountCount(int(accounts.size()));
    rebuildAccountShortcuts();
    m_totalLabel->setText(accounts.isEmpty()
                              ? tr("No accounts")
                              : tr("Total: %1").arg(formatMoney(total, Currency::USD)));
    for (int i = 0; i < m_accountList->count(); ++i) {
        if (m_accountList->item(i)->data(Qt::UserRole).toString() == m_state->currentAccountId()) {
            m_accountList->setCurrentRow(i);
        }
    }
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    for (int i = 0; i < std::min(m_accountList->count(), 10); ++i) {
        const QString id = m_accountList->item(i)->data(Qt::UserRole).toString();
        auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+%1").arg((i + 1) % 10)),
                                       this, nullptr, nullptr, Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, id] { selectAccount(id); });
        m_accountShortcuts << shortcut;
    }
}

void MainWindow::saveSortOrder()
{
    QList<QPair<QString, int>> orders;
    for (int i = 0; i < m_accountList->count(); ++i) {
        const QString id = m_accountList->item(i)->data(Qt::UserRole).toString();
        if (!id.isEmpty()) {
            orders.append({id, int(orders.size())});
        }
    }
    m_state->accountRepository()->updateSortOrders(orders);
}

void MainWindow::onAccountClicked(QListWidgetItem *item)
{
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
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
    for (int i = 0; i < m_accountList->count(); ++i) {
        if (m_accountList->item(i)->data(Qt::UserRole).toString() == accountId) {
            m_accountList->setCurrentRow(i);
        }
    }
}

void MainWindow::chooseInitialAccount()
{
    const QString remembered = m_state->currentAccountId();
    const auto account = m_state->accountRepository()->findById(remembered);
    if (!remembered.isEmpty() && account && !account->deletedAt) {
        selectAccount(remembered);
        return;
    }
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    if (!accounts.isEmpty()) {
        selectAccount(accounts.first().id);
        return;
    }
    // Page 2 would be for a signed-in user with no account yet.
    m_pages->setCurrentIndex(WelcomePage);
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
    if (!m_runDialog(&dialog)) {
        return;
    }
    Account account = dialog.account();
    if (account.name.isEmpty()) {
        return;
    }
    if (!m_state->accountService()->create(account, dialog.asOfDate())) {
        m_statusBar->showTransient(tr("The account could not be saved"), 5000);
        return;
    }
    selectAccount(account.id);
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
    AccountFormDialog dialog(*account, this);
    if (!m_runDialog(&dialog)) {
        return;
    }
    Account edited = dialog.account();
    edited.updatedAt = DateTimes::nowUtc();
    edited.syncStatus = SyncStatus::Pending;
    m_state->accountRepository()->update(edited);
    m_register->reload();
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
        m_statusBar->showTransient(tr("The account could not be deleted"), 5000);
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
    QListWidgetItem *item = m_accountList->itemAt(position);
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
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
        menu.addAction(tr("Delete \"%1\"").arg(account->name), this,
                       select([this, id] { deleteAccount(id); }));
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(position));
}

void MainWindow::loadSampleData()
{
    SampleDataService sample(m_state->database());
    if (sample.isLoaded()) {
        QMessageBox::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    sample.load();
    refreshSidebar();
    m_statusBar->showTransient(tr("Sample data loaded"), 3000);
}

void MainWindow::clearSampleData()
{
    SampleDataService sample(m_state->database());
    if (!sample.isLoaded()) {
        QMessageBox::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    sample.clear();
    refreshSidebar();
    m_statusBar->showTransient(tr("Sample data cleared"), 3000);
}

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("About Varnaby Ledgerwell"),
        tr("<h3>Varnaby Ledgerwell</h3><p>Version %1</p><p>A digital check register for household "
           "finances.</p><p><small>This application uses the Qt framework under the GNU LGPL "
           "version 3 licence. See <a href=\"https://www.qt.io/\">qt.io</a> and <a "
           "href=\"https://code.qt.io/\">code.qt.io</a> for the framework and its source "
           "code.</small></p>")
            .arg(QApplication::applicationVersion()));
}

void MainWindow::showShortcuts()
{
    const QList<std::pair<const char *, QList<std::pair<const char *, const char *>>>> sections = {
        {QT_TR_NOOP("Register"),
         {{"Ctrl+Enter", QT_TR_NOOP("Save transaction")},
          {"Ctrl+I", QT_TR_NOOP("Insert new transaction")},
          {"Ctrl+D", QT_TR_NOOP("Delete current transaction")},
          {"Tab / Shift+Tab", QT_TR_NOOP("Next / previous field")},
          {"' (apostrophe)", QT_TR_NOOP("Copy value from field above")}}},
        {QT_TR_NOOP("Date Field"),
         {{"t", QT_TR_NOOP("Today")},
          {"+ / -", QT_TR_NOOP("Next / previous day")},
          {"m / h", QT_TR_NOOP("First / last day of month")},
          {"y / r", QT_TR_NOOP("First / last day of year")},
          {"w / k", QT_TR_NOOP("First / last day of week")}}},
        {QT_TR_NOOP("General"),
         {{"Ctrl+N", QT_TR_NOOP("New transaction")},
          {"Ctrl+Shift+N", QT_TR_NOOP("New account")},
          {"Ctrl+R", QT_TR_NOOP("Reconcile account")},
          {"Ctrl+F", QT_TR_NOOP("Search transactions")},
          {"Ctrl+I", QT_TR_NOOP("Import")},
          {"Ctrl+2", QT_TR_NOOP("Reports")},
          {"Ctrl+3", QT_TR_NOOP("Recurring transactions")},
          {"Ctrl+4", QT_TR_NOOP("Categories")}}},
        {QT_TR_NOOP("Accounts"),
         {{"Alt+1 &ndash; Alt+9", QT_TR_NOOP("Switch to account 1&ndash;9")},
          {"Alt+0", QT_TR_NOOP("Switch to account 10")}}},
    };
    QString html;
    for (const auto &[title, rows] : sections) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"6\">").arg(tr(title));
        for (const auto &[keys, meaning] : rows) {
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(QString::fromUtf8(keys), tr(meaning));
        }
        html += QStringLiteral("</table>");
    }
    QMessageBox::information(this, tr("Keyboard Shortcuts"), html);
}

void MainWindow::presentToolWindow(QWidget *window, const QString &title, const QSize &size)
{
    window->setParent(this, Qt::Window);
    window->setWindowTitle(title);
    if (!window->isVisible()) {
        window->resize(size);
    }
    window->show();
    window->raise();
    window->activateWindow();
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
    presentToolWindow(m_recurring, tr("Recurring Transactions"), QSize(700, 500));
}

void MainWindow::showReportsWindow()
{
    if (!m_reports) {
        m_reports = new ReportsScreen(m_state, this);
    }
    presentToolWindow(m_reports, tr("Reports"), QSize(800, 600));
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
    presentToolWindow(m_search, tr("Search Transactions"), QSize(800, 550));
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
    presentToolWindow(m_import, tr("Import Transactions"), QSize(650, 600));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payees) {
        m_payees = new PayeeScreen(m_state, this);
        connect(m_payees, &PayeeScreen::payeesChanged, m_register, &RegisterScreen::reload);
    }
    m_payees->refresh();
    presentToolWindow(m_payees, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categories) {
        m_categories = new CategoriesScreen(m_state, this);
    }
    m_categories->refresh();
    presentToolWindow(m_categories, tr("Categories"), QSize(600, 500));
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
    presentToolWindow(screen, tr("Reconcile — %1").arg(account->name), QSize(1100, 720));
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
    presentToolWindow(m_history, tr("Reconciliation History"), QSize(750, 500));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
