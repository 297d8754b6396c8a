#pragma once

#include "register/prompts.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

class AppState;
class QAction;
class QDialog;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QShortcut;
class QSplitter;
class QStackedWidget;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class RecurringScreen;
class SearchScreen;
class RegisterScreen;
class ReportsScreen;
class StatusBar;
class ThemeManager;
class WelcomeScreen;
struct Account;

// The application's one top-level window: the account sidebar, the welcome / register /
// empty-state pages, the menus and the status bar.
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

    // Questions and modal dialogs go through these, so tests can answer them.
    using Question = Prompts::Question;
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
    ReconciliationScreen *reconciliationScreen() const;
    ReconciliationHistoryScreen *historyScreen() const { return m_history; }
    StatusBar *statusBarWidget() const { return m_statusBar; }
    ThemeManager *themeManager() const { return m_theme; }
    QListWidget *accountList() const { return m_accountList; }
    QStackedWidget *pages() const { return m_pages; }
    WelcomeScreen *welcomeScreen() const { return m_welcome; }
    QString totalText() const;
    QList<QShortcut *> accountShortcuts() const { return m_accountShortcuts; }
    int sidebarRefreshCount() const { return m_sidebarRefreshes; }
    void setQuestion(Question question) { m_question = std::move(question); }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

public slots:
    void onAccountClicked(QListWidgetItem *item);
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void onAccountContextMenu(const QPoint &position);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    void showRecurringWindow();
    void showReportsWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showPayeesWindow();
    void showImportWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setupMenuBar();
    void addHelpMenu();
    QWidget *buildEmptyPage();
    QWidget *buildSidebar();
    void connectSignals();
    void updateAuthUI();
    void refreshSidebar();
    // Many change signals in one event-loop turn (an import emits one per row) refresh once.
    void scheduleSidebarRefresh();
    QWidget *accountItemWidget(const Account &account, qint64 balance) const;
    void rebuildAccountShortcuts();
    void saveSortOrder();
    void chooseInitialAccount();
    void updateRecurringDue();
    bool requireAccount();
    void loadSampleData();
    void clearSampleData();
    void showShortcuts();
    void showAbout();
    // Tool windows are separate top-level windows made once and shown again on each request.
    void presentToolWindow(QWidget *window, const QString &title, const QSize &size);

    AppState *m_state;
    ThemeManager *m_theme;
    RegisterScreen *m_register;
    RecurringScreen *m_recurring = nullptr;
    ReportsScreen *m_reports = nullptr;
    SearchScreen *m_search = nullptr;
    ImportScreen *m_import = nullptr;
    PayeeScreen *m_payees = nullptr;
    CategoriesScreen *m_categories = nullptr;
    ReconciliationHistoryScreen *m_history = nullptr;
    QPointer<ReconciliationScreen> m_reconciliation;
    WelcomeScreen *m_welcome = nullptr;
    QStackedWidget *m_pages = nullptr;
    QListWidget *m_accountList = nullptr;
    QLabel *m_totalLabel = nullptr;
    QSplitter *m_splitter = nullptr;
    StatusBar *m_statusBar = nullptr;
    QList<QShortcut *> m_accountShortcuts;
    bool m_refreshPending = false;
    QElapsedTimer m_lastRefresh;
    int m_sidebarRefreshes = 0;
    Question m_question;
    DialogRunner m_runDialog;
};
