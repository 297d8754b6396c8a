#include "account/accountfixture.h"
#include "account/filetokenstore.h"
#include "account/syncengine.h"
#include "account/syncinstallation.h"
#include "account/tokenstore.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "services/accountservice.h"
#include "support/records.h"
#include "support/testrunner.h"
#include "ui/datasyncpage.h"
#include "ui/mainwindow.h"
#include "ui/settingsscreen.h"
#include "ui/statusbar.h"
#include "ui/syncsection.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

// The window program's sync, end to end: a real ledgerwell-server on loopback, the main window
// offscreen signed in through a stored sign-in, and a second installation of the same user
// (another data folder, its own sync engine) changing rows on the server.
class SyncWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowsFromAnotherInstallationAppear_data();
    void rowsFromAnotherInstallationAppear();
    void forceFullSync_data();
    void forceFullSync();
    void serverGoneShowsTheError();

private:
    std::unique_ptr<SyncInstallation> peer();
    SyncSection *openSyncSection();
    // Clicks the button and waits until the cycle it started has ended.
    void clickAndWait(QPushButton *button);
    QString createAccount(const QString &name);

    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_messages;
};

void SyncWindowTest::init()
{
    m_fixture = std::make_unique<AccountFixture>();
    QVERIFY(m_fixture->start());
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("LEDGERWELL_DATA_DIR", m_data->path().toUtf8());
    const QByteArray root = m_fixture->server().baseUrl().toEncoded();
    qputenv("AUTH_BASE_URL", root);
    qputenv("ACCOUNT_API_URL", root + "/account/v1");
    qputenv("SYNC_API_URL", root + "/ledgerwell/v1");
    // Signed in at an earlier run: the tokens the server issued are in the data folder.
    const auto [access, refresh] = m_fixture->issueTokens();
    QVERIFY(!access.isEmpty());
    VarnAccount::FileTokenStore store(m_data->filePath("tokens.json"));
    QVERIFY(store.write(VarnAccount::TokenStore::kAccessTokenKey, access));
    QVERIFY(store.write(VarnAccount::TokenStore::kRefreshTokenKey, refresh));

    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<MainWindow>(m_state.get());
    m_messages.clear();
    connect(m_window->statusBarWidget(), &QStatusBar::messageChanged, this,
            [this](const QString &text) { m_messages << text; });
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The start-up refresh starts a cycle at once and asks for another two seconds later; both
    // are over before a test begins.
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture->logCount("/sync/pull") >= 2, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(m_state->syncEngine()->state(), SyncEngine::Idle, 30000);
    QVERIFY(m_state->syncEngine()->lastCompletedAt().isValid());
    QTRY_COMPARE_WITH_TIMEOUT(m_window->statusBarWidget()->syncStateText(), QString("Synced"),
                              30000);
}

void SyncWindowTest::cleanup()
{
    m_window.reset();
    m_state.reset();
    m_fixture.reset();
    m_data.reset();
    for (const char *name : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"}) {
        qunsetenv(name);
    }
}

std::unique_ptr<SyncInstallation> SyncWindowTest::peer()
{
    const QString root = m_fixture->server().baseUrl().toString();
    VarnAccount::ClientConfig config = m_fixture->config(QUrl(root));
    config.syncApiUrl = root + "/ledgerwell/v1";
    auto install = std::make_unique<SyncInstallation>(QStringLiteral("peer"), config);
    const auto [access, refresh] = m_fixture->issueTokens();
    install->signIn(access, refresh);
    return install;
}

SyncSection *SyncWindowTest::openSyncSection()
{
    m_window->showSettingsWindow();
    SettingsScreen *settings = m_window->settingsScreen();
    settings->navigation()->setCurrentRow(SettingsScreen::DataSyncPageIndex);
    return settings->dataSyncPage()->syncSection();
}

void SyncWindowTest::clickAndWait(QPushButton *button)
{
    SyncSection *section = openSyncSection();
    QVERIFY(button->isEnabled());
    // A message still shown from an earlier cycle would not be announced again.
    m_window->statusBarWidget()->clearMessage();
    m_messages.clear();
    button->click();
    QCOMPARE(section->syncNowButton()->text(), QString("Syncing..."));
    QVERIFY(!section->syncNowButton()->isEnabled());
    QVERIFY(!section->fullSyncButton()->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(section->syncNowButton()->text(), QString("Sync Now"), 60000);
    QVERIFY(section->syncNowButton()->isEnabled());
    QVERIFY(section->fullSyncButton()->isEnabled());
}

QString SyncWindowTest::createAccount(const QString &name)
{
    Account account = Records::account(name);
    account.institution = QStringLiteral("Riverside Bank");
    if (!m_state->accountService()->create(account, QDate(2026, 1, 1))) {
        return QString();
    }
    return account.id;
}

void SyncWindowTest::rowsFromAnotherInstallationAppear_data()
{
    QTest::addColumn<bool>("accountHere");
    QTest::newRow("a new account and its line") << false;
    QTest::newRow("a line in the account shown here") << true;
}

void SyncWindowTest::rowsFromAnotherInstallationAppear()
{
    QFETCH(bool, accountHere);
    QString accountId;
    if (accountHere) {
        accountId = createAccount("Household");
        QVERIFY(!accountId.isEmpty());
        m_window->selectAccount(accountId);
        // The change sends itself two seconds later.
        QTRY_COMPARE_WITH_TIMEOUT(m_state->accountRepository()->findById(accountId)->syncStatus,
                                  SyncStatus::Synced, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(m_state->syncEngine()->state(), SyncEngine::Idle, 30000);
    } else {
        QCOMPARE(m_window->pages()->currentIndex(), int(MainWindow::EmptyPage));
    }
    auto other = peer();
    QVERIFY(other->isReady());
    QVERIFY(other->sync());
    if (!accountHere) {
        const Account account = Records::account("From the laptop");
        QVERIFY(other->accountService()->create(account, QDate(2026, 1, 1)));
        accountId = account.id;
    }
    const Transaction line =
        Records::transaction(accountId, QDate(2026, 2, 3), -1250, "Bakery on the corner");
    QVERIFY(other->transactionService()->add(line));
    QVERIFY(other->sync());

    const int refreshes = m_window->sidebarRefreshCount();
    m_messages.clear();
    clickAndWait(openSyncSection()->syncNowButton());
    QCOMPARE(m_window->statusBarWidget()->syncStateText(), QString("Synced"));
    QVERIFY2(m_messages.contains("Sync complete"), qPrintable(m_messages.join(" | ")));
    // The pulled rows are shown after one reload, and the account is the one on screen.
    QCOMPARE(m_window->sidebarRefreshCount() - refreshes, 1);
    QCOMPARE(m_state->currentAccountId(), accountId);
    QCOMPARE(m_window->pages()->currentIndex(), int(MainWindow::RegisterPage));
    RegisterModel *model = m_window->registerScreen()->model();
    const int row = model->rowOfTransaction(line.id);
    QVERIFY(row >= 0);
    QCOMPARE(model->rowAt(row).transaction.payee, QString("Bakery on the corner"));
    QCOMPARE(model->rowAt(row).transaction.amount, qint64(-1250));
    QVERIFY(m_window->totalText().contains("12.50"));
    // The settings page says the same.
    QLabel *label = openSyncSection()->status();
    QTRY_VERIFY2_WITH_TIMEOUT(label->text().contains("Signed in as:</b> Ann<br>"),
                              qPrintable(label->text()), 30000);
    const QString status = label->text();
    QVERIFY2(status.contains(">Synced</span>"), qPrintable(status));
    QVERIFY2(status.contains("<br>Last synced: "), qPrintable(status));
    QVERIFY2(!status.contains("Error:"), qPrintable(status));
}

void SyncWindowTest::forceFullSync_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("answered No") << false;
    QTest::newRow("answered Yes") << true;
}

void SyncWindowTest::forceFullSync()
{
    QFETCH(bool, answer);
    const QString accountId = createAccount("Savings");
    QTRY_COMPARE_WITH_TIMEOUT(m_state->accountRepository()->findById(accountId)->syncStatus,
                              SyncStatus::Synced, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(m_state->syncEngine()->state(), SyncEngine::Idle, 30000);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    const QString cursor = preferences->get("lastSyncTimestamp", QString());
    QVERIFY(!cursor.isEmpty());
    const int pushes = m_fixture->logCount("/sync/push");
    const int pulls = m_fixture->logCount("/sync/pull");

    SyncSection *section = openSyncSection();
    QStringList asked;
    section->setQuestion([&asked, answer](QWidget *, const QString &title, const QString &text) {
        asked << title << text;
        return answer;
    });
    if (!answer) {
        section->fullSyncButton()->click();
        QCOMPARE(asked.value(0), QString("Force Full Sync"));
        QVERIFY(asked.value(1).endsWith("between devices.\n\nContinue?"));
        QTest::qWait(SyncEngine::kDebounceMs + 500);
        QCOMPARE(m_fixture->logCount("/sync/push"), pushes);
        QCOMPARE(m_fixture->logCount("/sync/pull"), pulls);
        QCOMPARE(m_state->accountRepository()->findById(accountId)->syncStatus, SyncStatus::Synced);
        QCOMPARE(preferences->get("lastSyncTimestamp", QString()), cursor);
        QVERIFY(section->fullSyncButton()->isEnabled());
        return;
    }
    clickAndWait(section->fullSyncButton());
    QCOMPARE(asked.value(0), QString("Force Full Sync"));
    // Every row (the seeded categories with it) went up again, and the pull began at the start.
    QCOMPARE(m_fixture->logCount("/sync/push"), pushes + 1);
    QCOMPARE(m_fixture->logCount("/sync/pull"), pulls + 1);
    QCOMPARE(m_state->accountRepository()->findById(accountId)->syncStatus, SyncStatus::Synced);
    QVERIFY(m_state->accountRepository()->findPending().isEmpty());
    QVERIFY(!preferences->get("lastSyncTimestamp", QString()).isEmpty());
}

void SyncWindowTest::serverGoneShowsTheError()
{
    const QString accountId = createAccount("Cash box");
    m_fixture->server().stop();
    m_messages.clear();
    clickAndWait(openSyncSection()->syncNowButton());
    QCOMPARE(m_window->statusBarWidget()->syncStateText(), QString("Sync error"));
    QVERIFY2(m_messages.contains("Sync failed: Push failed (HTTP 0)"),
             qPrintable(m_messages.join(" | ")));
    const QString status = openSyncSection()->status()->text();
    QVERIFY2(status.contains(">Sync error</span>"), qPrintable(status));
    QVERIFY2(status.contains("<br>Error: Push failed (HTTP 0)"), qPrintable(status));
    // Nothing was lost: the new account waits for the next cycle.
    QCOMPARE(m_state->accountRepository()->findById(accountId)->syncStatus, SyncStatus::Pending);
}

LEDGERWELL_TEST(SyncWindowTest)
#include "syncwindow_test.moc"
