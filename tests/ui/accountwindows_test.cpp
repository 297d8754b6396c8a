#include "account/accountfixture.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/filetokenstore.h"
#include "app/appstate.h"
#include "services/accountservice.h"
#include "support/testrunner.h"
#include "ui/accountscreen.h"
#include "ui/accountwindows.h"
#include "ui/mainwindow.h"
#include "ui/sharemembersdialog.h"
#include "ui/statusbar.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using VarnAccount::AccountScreen;
using VarnAccount::ShareMembersDialog;

namespace {

QStringList menuTexts(QMenuBar *bar, const QString &title)
{
    for (QAction *action : bar->actions()) {
        if (action->text() == title) {
            QStringList texts;
            for (const QAction *entry : action->menu()->actions()) {
                texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            }
            return texts;
        }
    }
    return {};
}

} // namespace

// The account screen and the share dialog as the main window opens them, signed out and signed
// in to a real ledgerwell-server.
class AccountWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menuEntries();
    void signedOut();
    void signedIn();

private:
    void start(bool signedIn);
    QString addAccount(const QString &name);

    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
};

void AccountWindowsTest::init()
{
    m_fixture = std::make_unique<AccountFixture>();
    QVERIFY(m_fixture->start());
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("LEDGERWELL_DATA_DIR", m_data->path().toUtf8());
    const QByteArray root = m_fixture->server().baseUrl().toEncoded();
    qputenv("AUTH_BASE_URL", root);
    qputenv("ACCOUNT_API_URL", root + "/account/v1");
    qputenv("SYNC_API_URL", root + "/ledgerwell/v1");
}

void AccountWindowsTest::cleanup()
{
    m_window.reset();
    m_state.reset();
    m_fixture.reset();
    m_data.reset();
    for (const char *name : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"}) {
        qunsetenv(name);
    }
}

void AccountWindowsTest::start(bool signedIn)
{
    if (signedIn) {
        const auto [access, refresh] = m_fixture->issueTokens();
        VarnAccount::FileTokenStore store(m_data->filePath("tokens.json"));
        QVERIFY(store.write("varnaby_access_token", access));
        QVERIFY(store.write("varnaby_refresh_token", refresh));
    }
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    QTRY_VERIFY_WITH_TIMEOUT(m_state->cloudClient()->isAuthenticated() == signedIn, 30000);
    m_window = std::make_unique<MainWindow>(m_state.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QString AccountWindowsTest::addAccount(const QString &name)
{
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = name;
    if (!m_state->accountService()->create(account, QDate(2026, 11, 1))) {
        return QString();
    }
    m_window->selectAccount(account.id);
    return account.id;
}

void AccountWindowsTest::menuEntries()
{
    start(false);
    const QStringList file = menuTexts(m_window->menuBar(), "&File");
    const qsizetype entry = file.indexOf("&Varnaby Account...");
    QVERIFY(entry > 0);
    QCOMPARE(file.at(entry - 1), QString("-"));
    QCOMPARE(file.at(entry + 1), QString("-"));
    const QStringList account = menuTexts(m_window->menuBar(), "&Account");
    const qsizetype share = account.indexOf("&Share...");
    QVERIFY(share > 0);
    QCOMPARE(account.mid(share - 2, 5),
             (QStringList{"Rename &Payees...", "-", "&Share...", "-", "&Delete"}));
}

void AccountWindowsTest::signedOut()
{
    start(false);
    QStringList messages;
    m_window->accountWindows()->setMessage(
        [&](QWidget *, const QString &title, const QString &text) {
            messages << title + QLatin1Char('|') + text;
        });
    int dialogs = 0;
    m_window->accountWindows()->setDialogRunner([&](QDialog *) { return ++dialogs > 0; });

    // Nothing to share yet.
    m_window->showShareAccountDialog();
    QCOMPARE(m_window->statusBarWidget()->currentMessage(), QString("Select an account first"));
    QVERIFY(messages.isEmpty());

    QVERIFY(!addAccount("Joint Checking").isEmpty());
    m_window->showShareAccountDialog();
    QCOMPARE(messages, QStringList{"Sign In Required|Sharing requires a Varnaby account. Sign in "
                                   "via File \u203A Sign In to enable sharing."});
    QCOMPARE(dialogs, 0);

    // The account screen needs a sign-in: the welcome page offers it instead.
    m_window->showVarnabyAccountScreen(2);
    QCOMPARE(m_window->pages()->currentIndex(), int(MainWindow::WelcomePage));
    QVERIFY(!m_window->accountWindows()->accountScreen());
}

void AccountWindowsTest::signedIn()
{
    start(true);
    m_window->showVarnabyAccountScreen(AccountScreen::DevicesTab);
    AccountScreen *screen = m_window->accountWindows()->accountScreen();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QVERIFY(screen->isWindow());
    QCOMPARE(screen->windowTitle(), QString("Varnaby Account"));
    QCOMPARE(screen->currentTab(), int(AccountScreen::DevicesTab));
    QCOMPARE(screen->size(), QSize(600, 550));
    // Shown again, the same window switches to the asked tab.
    m_window->showVarnabyAccountScreen(AccountScreen::ProfileTab);
    QCOMPARE(m_window->accountWindows()->accountScreen(), screen);
    QCOMPARE(screen->currentTab(), int(AccountScreen::ProfileTab));

    const QString joint = addAccount("Joint Checking");
    QVERIFY(!joint.isEmpty());
    QSignalSpy changed(m_window->accountWindows(), &AccountWindows::sharingChanged);
    QStringList seen;
    m_window->accountWindows()->setDialogRunner([&](QDialog *dialog) {
        seen << dialog->windowTitle();
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            seen << label->text();
        }
        emit static_cast<ShareMembersDialog *>(dialog)->sharingChanged();
        return true;
    });
    m_window->showShareAccountDialog();
    QVERIFY(seen.contains("Share Account"));
    QVERIFY(seen.contains("Sharing: Joint Checking"));
    QVERIFY(seen.contains("Shared with"));
    QCOMPARE(changed.count(), 1);

    // Deleting the account from the screen ends with a sign-out.
    emit screen->logoutRequested();
    QVERIFY(!m_state->cloudClient()->isAuthenticated());
}

LEDGERWELL_TEST(AccountWindowsTest)
#include "accountwindows_test.moc"
