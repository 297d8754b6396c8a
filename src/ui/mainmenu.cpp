#include "mainmenu.h"

#include "app/appstate.h"
#include "mainwindow.h"
#include "register/registerscreen.h"
#include "services/sampledataservice.h"
#include "shortcutsbox.h"
#include "signincontroller.h"
#include "statusbar.h"
#include "updatecontroller.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStackedWidget>

MainMenu::MainMenu(AppState *state, MainWindow *window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
{
    QMenuBar *bar = window->menuBar();
    addFileMenu(bar);
    addEditAndViewMenus(bar);
    addAccountMenu(bar);
    addHelpMenu(bar);
}

void MainMenu::addFileMenu(QMenuBar *bar)
{
    QMenu *file = bar->addMenu(tr("&File"));
    QAction *newTransaction = file->addAction(tr("&New Transaction"));
    newTransaction->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    connect(newTransaction, &QAction::triggered, m_window, [this] {
        if (m_window->pages()->currentIndex() == MainWindow::RegisterPage) {
            m_window->registerScreen()->insertNewEntry();
        }
    });
    QAction *newAccount = file->addAction(tr("New &Account"));
    newAccount->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    // New Account answers its keys from every window of the program, tool windows included.
    newAccount->setShortcutContext(Qt::ApplicationShortcut);
    connect(newAccount, &QAction::triggered, m_window, &MainWindow::showNewAccountDialog);
    file->addSeparator();
    QAction *import = file->addAction(tr("&Import..."));
    import->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    connect(import, &QAction::triggered, m_window, &MainWindow::showImportWindow);
    file->addSeparator();
    connect(file->addAction(tr("&Varnaby Account...")), &QAction::triggered, m_window,
            [this] { m_window->showVarnabyAccountScreen(0); });
    file->addSeparator();
    // The welcome page explains the sign-in and starts it.
    m_signIn = file->addAction(tr("&Sign In..."));
    connect(m_signIn, &QAction::triggered, m_window,
            [this] { m_window->pages()->setCurrentIndex(MainWindow::WelcomePage); });
    m_signOut = file->addAction(tr("Sign &Out"));
    connect(m_signOut, &QAction::triggered, m_window,
            [this] { m_window->signInController()->signOut(); });
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, m_window, &QWidget::close);
}

void MainMenu::setSignedIn(bool signedIn)
{
    m_signIn->setVisible(!signedIn);
    m_signOut->setVisible(signedIn);
}

void MainMenu::addEditAndViewMenus(QMenuBar *bar)
{
    QMenu *edit = bar->addMenu(tr("&Edit"));
    QAction *find = edit->addAction(tr("&Find..."));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, m_window, &MainWindow::showSearchWindow);
    QAction *preferences = edit->addAction(tr("&Preferences..."));
    // The platform's own key where it has one (not every Linux desktop does), else Ctrl+,.
    const QList<QKeySequence> standard = QKeySequence::keyBindings(QKeySequence::Preferences);
    preferences->setShortcuts(standard.isEmpty()
                                  ? QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+,"))}
                                  : standard);
    preferences->setMenuRole(QAction::PreferencesRole);
    connect(preferences, &QAction::triggered, m_window, &MainWindow::showSettingsWindow);

    QMenu *view = bar->addMenu(tr("&View"));
    const auto addWindow = [this, view](const QString &text, const char *key, auto show) {
        QAction *action = view->addAction(text);
        action->setShortcut(QKeySequence(QString::fromLatin1(key)));
        connect(action, &QAction::triggered, m_window, show);
    };
    addWindow(tr("&Reports"), "Ctrl+2", &MainWindow::showReportsWindow);
    addWindow(tr("Re&curring Transactions"), "Ctrl+3", &MainWindow::showRecurringWindow);
    addWindow(tr("C&ategories"), "Ctrl+4", &MainWindow::showCategoriesWindow);
}

void MainMenu::addAccountMenu(QMenuBar *bar)
{
    QMenu *account = bar->addMenu(tr("&Account"));
    connect(account->addAction(tr("&Edit...")), &QAction::triggered, m_window,
            &MainWindow::showEditAccountDialog);
    QAction *reconcile = account->addAction(tr("&Reconcile..."));
    reconcile->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    connect(reconcile, &QAction::triggered, m_window, &MainWindow::showReconciliationWindow);
    connect(account->addAction(tr("Reconciliation &History...")), &QAction::triggered, m_window,
            &MainWindow::showReconciliationHistoryWindow);
    connect(account->addAction(tr("Rename &Payees...")), &QAction::triggered, m_window,
            &MainWindow::showPayeesWindow);
    account->addSeparator();
    connect(account->addAction(tr("&Share...")), &QAction::triggered, m_window,
            &MainWindow::showShareAccountDialog);
    account->addSeparator();
    connect(account->addAction(tr("&Delete")), &QAction::triggered, m_window,
            &MainWindow::deleteCurrentAccount);
}

void MainMenu::addHelpMenu(QMenuBar *bar)
{
    QMenu *help = bar->addMenu(tr("&Help"));
    connect(help->addAction(tr("&About Varnaby Ledgerwell")), &QAction::triggered, this,
            &MainMenu::showAbout);
    auto *updates = new UpdateController(m_state->settingsService(), m_window);
    connect(help->addAction(tr("What's &New...")), &QAction::triggered, updates,
            &UpdateController::showWhatsNew);
    connect(help->addAction(tr("Check for &Updates...")), &QAction::triggered, updates,
            &UpdateController::checkNow);
    help->addSeparator();
    connect(help->addAction(tr("&Keyboard Shortcuts")), &QAction::triggered, this,
            [this] { ShortcutsBox::show(m_window); });
    if (!qEnvironmentVariableIsEmpty("LEDGERWELL_DEV")) {
        help->addSeparator();
        connect(help->addAction(tr("Load &Sample Data")), &QAction::triggered, this,
                &MainMenu::loadSampleData);
        connect(help->addAction(tr("&Clear Sample Data")), &QAction::triggered, this,
                &MainMenu::clearSampleData);
    }
}

void MainMenu::loadSampleData()
{
    SampleDataService sample(m_state->database());
    if (sample.isLoaded()) {
        QMessageBox::information(m_window, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    sample.load();
    m_window->onAccountsChanged();
    m_window->statusBarWidget()->showTransient(tr("Sample data loaded"), 3000);
}

void MainMenu::clearSampleData()
{
    SampleDataService sample(m_state->database());
    if (!sample.isLoaded()) {
        QMessageBox::information(m_window, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    sample.clear();
    m_window->onAccountsChanged();
    m_window->statusBarWidget()->showTransient(tr("Sample data cleared"), 3000);
}

void MainMenu::showAbout()
{
    QMessageBox::about(
        m_window, tr("About Varnaby Ledgerwell"),
        tr("<h3>Varnaby Ledgerwell</h3><p>Version %1</p><p>A digital check register for household "
           "finances.</p><p><small>This application uses the Qt framework under the GNU LGPL "
           "version 3 licence. See <a href=\"https://www.qt.io/\">qt.io</a> and <a "
           "href=\"https://code.qt.io/\">code.qt.io</a> for the framework and its source "
           "code.</small></p>")
            .arg(QApplication::applicationVersion()));
}
