#include "account/accountfixture.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/filetokenstore.h"
#include "account/urlopener.h"
#include "app/appstate.h"
#include "support/testrunner.h"
#include "ui/emptystatepage.h"
#include "ui/mainmenu.h"
#include "ui/mainwindow.h"
#include "ui/statusbar.h"
#include "ui/welcomescreen.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

using VarnAccount::TokenStore;

// Signing in from the main window, end to end: a real ledgerwell-server on loopback, the window
// offscreen, and the page the window asks to open handed to headless Chromium, which fills in
// the form and submits it; the redirect reaches the window's loopback listener.
class SignInGuiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void signInFromTheWindow_data();
    void signInFromTheWindow();

private:
    void openBrowser(const QUrl &url);
    QString storedToken(const char *key) const;
    QJsonArray devices(const QString &access);
    void checkSignedIn(const QStringList &messages);
    void checkSignOut();

    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    QProcess m_browser;
    QString m_password;
    int m_opened = 0;
};

void SignInGuiTest::initTestCase()
{
    for (const char *tool : {"/usr/bin/chromium", "/usr/bin/chromedriver", "/usr/bin/python3"}) {
        if (!QFile::exists(tool)) {
            QSKIP(qPrintable(
                QString("%1 is missing (scripts/install-deps.sh installs it)").arg(tool)));
        }
    }
}

void SignInGuiTest::init()
{
    m_fixture = std::make_unique<AccountFixture>();
    QVERIFY(m_fixture->start());
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("LEDGERWELL_DATA_DIR", m_data->filePath("data").toUtf8());
    const QByteArray root = m_fixture->server().baseUrl().toEncoded();
    qputenv("AUTH_BASE_URL", root);
    qputenv("ACCOUNT_API_URL", root + "/account/v1");
    qputenv("SYNC_API_URL", root + "/ledgerwell/v1");
    m_opened = 0;
    VarnAccount::UrlOpener::set([this](const QUrl &url) {
        openBrowser(url);
        return true;
    });
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<MainWindow>(m_state.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void SignInGuiTest::cleanup()
{
    if (m_browser.state() != QProcess::NotRunning) {
        m_browser.kill();
        m_browser.waitForFinished(5000);
    }
    VarnAccount::UrlOpener::set(nullptr);
    m_window.reset();
    m_state.reset();
    m_fixture.reset();
    m_data.reset();
    for (const char *name : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"}) {
        qunsetenv(name);
    }
}

void SignInGuiTest::openBrowser(const QUrl &url)
{
    ++m_opened;
    m_browser.setProcessChannelMode(QProcess::MergedChannels);
    m_browser.start("/usr/bin/python3",
                    {QStringLiteral(LEDGERWELL_BROWSER_DRIVER), QString::fromUtf8(url.toEncoded()),
                     AccountFixture::kEmail, m_password, m_data->filePath("chromium-profile")});
}

QString SignInGuiTest::storedToken(const char *key) const
{
    VarnAccount::FileTokenStore store(m_data->filePath("data/tokens.json"));
    return store.read(QString::fromLatin1(key)).value_or(QString());
}

QJsonArray SignInGuiTest::devices(const QString &access)
{
    const QUrl url(m_fixture->server().baseUrl().toString() + "/account/v1/devices");
    return m_fixture->http().get(url, access.toLatin1()).json().value("devices").toArray();
}

void SignInGuiTest::signInFromTheWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("from the create-account page") << "page" << AccountFixture::kPassword << true;
    QTest::newRow("from File, Sign In") << "menu" << AccountFixture::kPassword << true;
    QTest::newRow("wrong password") << "page"
                                    << "not the password" << false;
}

void SignInGuiTest::signInFromTheWindow()
{
    QFETCH(QString, entry);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    m_password = password;
    QStringList messages;
    connect(m_window->statusBarWidget(), &QStatusBar::messageChanged, this,
            [&messages](const QString &text) { messages << text; });
    QCOMPARE(m_window->pages()->currentIndex(), int(MainWindow::EmptyPage));
    if (entry == "menu") {
        m_window->mainMenu()->signInAction()->trigger();
        QCOMPARE(m_window->pages()->currentIndex(), int(MainWindow::WelcomePage));
        QCOMPARE(m_window->welcomeScreen()->authButton()->text(),
                 QString("Already have an account? Sign In"));
        m_window->welcomeScreen()->authButton()->click();
    } else {
        m_window->emptyStatePage()->signInLink()->click();
    }
    QCOMPARE(m_opened, 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_browser.state() == QProcess::NotRunning, 120000);
    const QByteArray page = m_browser.readAll();
    if (!accepted) {
        QVERIFY2(page.contains("Wrong e-mail or password"), page.constData());
        QVERIFY(!m_state->cloudClient()->isAuthenticated());
        QVERIFY(m_window->mainMenu()->signInAction()->isVisible());
        QVERIFY(!m_window->mainMenu()->signOutAction()->isVisible());
        QCOMPARE(m_window->statusBarWidget()->syncStateText(), QString("Not signed in"));
        QVERIFY(storedToken(TokenStore::kAccessTokenKey).isEmpty());
        return;
    }
    QVERIFY2(page.contains("Authentication complete!"), page.constData());
    QTRY_VERIFY_WITH_TIMEOUT(m_state->cloudClient()->isAuthenticated(), 30000);
    checkSignedIn(messages);
    checkSignOut();
}

void SignInGuiTest::checkSignedIn(const QStringList &messages)
{
    QVERIFY(m_window->mainMenu()->signOutAction()->isVisible());
    QVERIFY(!m_window->mainMenu()->signInAction()->isVisible());
    QVERIFY(messages.contains("Signed in successfully"));
    // Signed in, the label follows the sync engine, whose first cycle starts with the sign-in.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->statusBarWidget()->syncStateText(), QString("Synced"),
                              30000);
    // The window goes on as before: the create-account page, now without the sign-in offer.
    QCOMPARE(m_window->pages()->currentIndex(), int(MainWindow::EmptyPage));
    QVERIFY(m_window->emptyStatePage()->signInLink()->isHidden());
    QCOMPARE(m_window->welcomeScreen()->authButton()->text(), QString("Sign Out"));
    const QString access = storedToken(TokenStore::kAccessTokenKey);
    QVERIFY(!access.isEmpty());
    QVERIFY(!storedToken(TokenStore::kRefreshTokenKey).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(devices(access).size(), 1, 30000);
    QCOMPARE(devices(access).first().toObject().value("platform").toString(), QString("Linux"));
}

void SignInGuiTest::checkSignOut()
{
    const QString refresh = storedToken(TokenStore::kRefreshTokenKey);
    m_window->mainMenu()->signOutAction()->trigger();
    QVERIFY(!m_state->cloudClient()->isAuthenticated());
    QVERIFY(m_window->mainMenu()->signInAction()->isVisible());
    QCOMPARE(m_window->statusBarWidget()->syncStateText(), QString("Not signed in"));
    QVERIFY(storedToken(TokenStore::kRefreshTokenKey).isEmpty());
    // The server ended the session too: the old refresh token is refused.
    const QUrl url(m_fixture->server().baseUrl().toString() +
                   "/api/v1/realms/varnaby/auth/token/refresh");
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture->http().postJson(url, {{"refresh_token", refresh}}).status,
                              401, 30000);
}

LEDGERWELL_TEST(SignInGuiTest)
#include "signin_gui_test.moc"
