#pragma once

#include "accountwindows.h"
#include "register/prompts.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class AccountSidebar;
class AppState;
class QAction;
class QDialog;
class QListView;
class QModelIndex;
class QShortcut;
class QSplitter;
class QStackedWidget;
class CategoriesScreen;
class EmptyStatePage;
class MainMenu;
class SignInController;
class SettingsScreen;
class ImportScreen;
class PayeeScreen;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class RecurringScreen;
class SearchScreen;
class RegisterScreen;
class ReportsScreen;
class StatusBar;
class SyncIndicator;
class ThemeManager;
class ToolWindows;
class WelcomeScreen;
struct RecurringTransaction;

// The application's one top-level window: the account sidebar, the welcome / register /
// empty-state pages, the menus and the status bar. It answers the register's requests for the
// transaction and memorize forms and stores what they return through the services.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    enum Page
    {
        WelcomePage = 0,
        RegisterPage = 1,
        EmptyPage = 2
    };

    // Questions, messages and modal dialogs go through these, so tests can answer them.
    using Question = Prompts::Question;
    using Message = Prompts::Message;
    using DialogRunner = Prompts::DialogRunner;

    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

    RegisterScreen *registerScreen() const { return m_register; }
    RecurringScreen *recurringScreen() const { return m_recurring; }
    ReportsScreen *reportsScreen() const { return m_reports; }
    SearchScreen *searchScreen() const { return m_search; }
    ImportScreen *importScreen() const { return m_import; }
    PayeeScreen *payeeScreen() const { return m_payees; }
    CategoriesScreen *categoriesScreen() const { return m_categories; }
    SettingsScreen *settingsScreen() const { return m_settings; }
    ReconciliationScreen *reconciliationScreen() const;
    ReconciliationHistoryScreen *historyScreen() const { return m_history; }
    StatusBar *statusBarWidget() const { return m_statusBar; }
    ThemeManager *themeManager() const { return m_theme; }
    AccountSidebar *sidebar() const { return m_sidebar; }
    QListView *accountList() const;
    QStackedWidget *pages() const { return m_pages; }
    WelcomeScreen *welcomeScreen() const { return m_welcome; }
    EmptyStatePage *emptyStatePage() const { return m_empty; }
    MainMenu *mainMenu() const { return m_menu; }
    SignInController *signInController() const { return m_signIn; }
    SyncIndicator *syncIndicator() const { return m_sync; }
    AccountWindows *accountWindows() const { return m_accountWindows; }
    QString totalText() const;
    QList<QShortcut *> accountShortcuts() const;
    int sidebarRefreshCount() const { return m_sidebarRefreshes; }
    void setQuestion(Question question) { m_question = std::move(question); }
    void setMessage(Message message) { m_message = std::move(message); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

public slots:
    void onAccountClicked(const QModelIndex &index);
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    void showPayeesWindow();
    void showSettingsWindow();
    // After a backup import or an account restore: every view shows the stored data again.
    void reloadEverything();
    void onAccountContextMenu(const QPoint &position);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    void showShareAccountDialog() { m_accountWindows->showShareDialog(); }
    void showVarnabyAccountScreen(int tab = 0) { m_accountWindows->showAccountScreen(tab); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPages();
    void connectSignals();
    void connectRegister();
    void updateAuthUI();
    void refreshSidebar();
    // Many change signals in one event-loop turn (an import emits one per row) refresh once.
    void scheduleSidebarRefresh();
    void saveSortOrder(const QList<QPair<QString, int>> &orders);
    void chooseInitialAccount();
    void postDueAtStart();
    void onEntryDeactivated(const QString &payee);
    void updateRecurringDue();
    bool requireAccount();
    void addTransactionFromForm(const QString &accountId);
    void memorize(const RecurringTransaction &seed);

    AppState *m_state;
    ThemeManager *m_theme;
    RegisterScreen *m_register;
    ToolWindows *m_tools;
    RecurringScreen *m_recurring = nullptr;
    ReportsScreen *m_reports = nullptr;
    SearchScreen *m_search = nullptr;
    ImportScreen *m_import = nullptr;
    PayeeScreen *m_payees = nullptr;
    CategoriesScreen *m_categories = nullptr;
    SettingsScreen *m_settings = nullptr;
    ReconciliationHistoryScreen *m_history = nullptr;
    QPointer<ReconciliationScreen> m_reconciliation;
    MainMenu *m_menu = nullptr;
    WelcomeScreen *m_welcome = nullptr;
    EmptyStatePage *m_empty = nullptr;
    SignInController *m_signIn = nullptr;
    SyncIndicator *m_sync = nullptr;
    AccountWindows *m_accountWindows = nullptr;
    QStackedWidget *m_pages = nullptr;
    AccountSidebar *m_sidebar = nullptr;
    QSplitter *m_splitter = nullptr;
    StatusBar *m_statusBar = nullptr;
    bool m_refreshPending = false;
    QElapsedTimer m_lastRefresh;
    int m_sidebarRefreshes = 0;
    // Entries taken out of service while the window starts, named in one message.
    QStringList m_deactivatedAtStart;
    bool m_starting = true;
    Question m_question;
    Message m_message;
    DialogRunner m_runDialog;
};
