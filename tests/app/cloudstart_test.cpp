#include "account/accountfixture.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/filetokenstore.h"
#include "account/syncengine.h"
#include "account/urlopener.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "services/accountservice.h"
#include "support/records.h"
#include "support/testrunner.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using VarnAccount::AuthState;
using VarnAccount::FileTokenStore;

// The start-up's cloud steps on a real ledgerwell-server: a stored sign-in is restored and
// refreshed once, sync is asked to start only when that worked, a sign-in registers this device,
// and a signed-out start sends nothing at all.
class CloudStartTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void signedOutStartSendsNothing();
    void storedSignIn_data();
    void storedSignIn();
    void signInRegistersTheDeviceAndSignOutStopsSync();
    void unreachableServerKeepsTheSignIn();

private:
    void pointAt(const QUrl &base);
    FileTokenStore store() const;
    static QJsonArray devices(AccountFixture &fixture, const QString &access);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void CloudStartTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("LEDGERWELL_DATA_DIR", m_dir->path().toUtf8());
}

void CloudStartTest::cleanup()
{
    VarnAccount::UrlOpener::set(nullptr);
    for (const char *name : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"}) {
        qunsetenv(name);
    }
    m_dir.reset();
}

void CloudStartTest::pointAt(const QUrl &base)
{
    const QByteArray root = base.toEncoded();
    qputenv("AUTH_BASE_URL", root);
    qputenv("ACCOUNT_API_URL", root + "/account/v1");
    qputenv("SYNC_API_URL", root + "/ledgerwell/v1");
}

FileTokenStore CloudStartTest::store() const
{
    return FileTokenStore(m_dir->filePath("tokens.json"));
}

QJsonArray CloudStartTest::devices(AccountFixture &fixture, const QString &access)
{
    const QUrl url(fixture.server().baseUrl().toString() + "/account/v1/devices");
    return fixture.http().get(url, access.toLatin1()).json().value("devices").toArray();
}

void CloudStartTest::signedOutStartSendsNothing()
{
    // Every service address leads to a listener that counts who knocks.
    QTcpServer listener;
    QVERIFY(listener.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&listener, &QTcpServer::newConnection, this, [&] {
        ++connections;
        delete listener.nextPendingConnection();
    });
    pointAt(QUrl(QString("http://127.0.0.1:%1").arg(listener.serverPort())));
    AppState state;
    QSignalSpy starts(&state, &AppState::syncShouldStart);
    QVERIFY(state.initialize());
    QVERIFY(state.cloudClient());
    QCOMPARE(state.cloudClient()->authClient()->state(), AuthState::Unauthenticated);
    QVERIFY(state.syncEngine());
    // A change asks for a sync two seconds later, and signed out that sync sends nothing.
    Account account = Records::account("Offline");
    QVERIFY(state.accountService()->create(account, QDate(2026, 1, 1)));
    state.syncEngine()->syncNow();
    QTest::qWait(SyncEngine::kDebounceMs + 500);
    QCOMPARE(connections, 0);
    QCOMPARE(starts.count(), 0);
    QCOMPARE(state.syncEngine()->state(), SyncEngine::Idle);
    QVERIFY(!QFile::exists(m_dir->filePath("tokens.json")));
}

void CloudStartTest::storedSignIn_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<QString>("keptRefresh");
    // "issued" = the server's own token; "expired"/"fresh" = readable tokens nobody signed.
    QTest::newRow("valid access token, refreshed once at start") << "issued"
                                                                 << "issued" << true << "rotated";
    QTest::newRow("expired access token, refreshed while restoring")
        << "expired"
        << "issued" << true << "rotated";
    // The start-up refresh that fails signs out; the restore's own refresh only reports.
    QTest::newRow("refresh refused at start") << "fresh"
                                              << "revoked" << false << "none";
    QTest::newRow("expired and refresh refused") << "expired"
                                                 << "revoked" << false << "unchanged";
}

void CloudStartTest::storedSignIn()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(bool, signedIn);
    QFETCH(QString, keptRefresh);
    AccountFixture fixture;
    QVERIFY(fixture.start());
    const auto issued = fixture.issueTokens();
    QVERIFY(!issued.first.isEmpty());
    const QString storedAccess = access == "issued"    ? issued.first
                                 : access == "expired" ? AccountFixture::unsignedToken(-60)
                                                       : AccountFixture::unsignedToken(600);
    const QString storedRefresh = refresh == "issued" ? issued.second : QString("not-a-token");
    {
        FileTokenStore seed = store();
        QVERIFY(seed.write(VarnAccount::TokenStore::kAccessTokenKey, storedAccess));
        QVERIFY(seed.write(VarnAccount::TokenStore::kRefreshTokenKey, storedRefresh));
    }
    pointAt(fixture.server().baseUrl());

    AppState state;
    QSignalSpy starts(&state, &AppState::syncShouldStart);
    QVERIFY(state.initialize());
    VarnAccount::AuthClient *auth = state.cloudClient()->authClient();
    QTRY_VERIFY_WITH_TIMEOUT(auth->state() != AuthState::Uninitialized, 30000);
    // One refresh, whichever way the start took; sync is asked for only after it worked.
    QTRY_COMPARE_WITH_TIMEOUT(fixture.logCount("/auth/token/refresh"), 1, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(starts.count(), signedIn ? 1 : 0, 30000);
    QTest::qWait(300);
    QCOMPARE(starts.count(), signedIn ? 1 : 0);
    QCOMPARE(fixture.logCount("/auth/token/refresh"), 1);
    QCOMPARE(auth->isAuthenticated(), signedIn);
    // Signed in, the start runs a cycle at once; a change then sends itself two seconds later.
    // Signed out, nothing is asked of the sync API.
    if (signedIn) {
        QTRY_VERIFY_WITH_TIMEOUT(fixture.logCount("/sync/pull") >= 1, 30000);
        Account account = Records::account("Sent by itself");
        QVERIFY(state.accountService()->create(account, QDate(2026, 1, 1)));
        QTRY_VERIFY_WITH_TIMEOUT(fixture.logCount("/sync/push") >= 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(state.accountRepository()->findById(account.id)->syncStatus,
                                  SyncStatus::Synced, 30000);
    } else {
        QTest::qWait(SyncEngine::kDebounceMs + 500);
        QCOMPARE(fixture.logCount("/sync/"), 0);
    }
    const QString kept = store().read(VarnAccount::TokenStore::kRefreshTokenKey).value_or("");
    if (keptRefresh == "rotated") {
        // The refresh rotated the token, and the new one is what is kept.
        QVERIFY(!kept.isEmpty());
        QVERIFY(kept != issued.second);
    } else {
        QCOMPARE(kept, keptRefresh == "none" ? QString() : storedRefresh);
    }
}

void CloudStartTest::signInRegistersTheDeviceAndSignOutStopsSync()
{
    AccountFixture fixture;
    QVERIFY(fixture.start());
    pointAt(fixture.server().baseUrl());
    QUrl opened;
    VarnAccount::UrlOpener::set([&opened](const QUrl &url) {
        opened = url;
        return true;
    });
    AppState state;
    QSignalSpy starts(&state, &AppState::syncShouldStart);
    QSignalSpy stops(&state, &AppState::syncShouldStop);
    QVERIFY(state.initialize());
    state.cloudClient()->authClient()->login();
    QVERIFY(!opened.isEmpty());
    QCOMPARE(fixture.completeSignIn(opened), 200);
    QTRY_COMPARE(starts.count(), 1);
    const QString access = store().read(VarnAccount::TokenStore::kAccessTokenKey).value_or("");
    QVERIFY(!access.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(devices(fixture, access).size(), 1, 30000);
    QCOMPARE(stops.count(), 0);

    // The sign-in's own cycle has run and left the engine idle.
    QTRY_VERIFY_WITH_TIMEOUT(fixture.logCount("/sync/pull") >= 1, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(state.syncEngine()->state(), SyncEngine::Idle, 30000);

    state.cloudClient()->authClient()->logout();
    QCOMPARE(stops.count(), 1);
    QCOMPARE(starts.count(), 1);
    // Signed out, a change sends nothing.
    QTest::qWait(SyncEngine::kDebounceMs + 500);
    const int pushes = fixture.logCount("/sync/push");
    Account account = Records::account("After sign-out");
    QVERIFY(state.accountService()->create(account, QDate(2026, 1, 1)));
    QTest::qWait(SyncEngine::kDebounceMs + 500);
    QCOMPARE(fixture.logCount("/sync/push"), pushes);
    QCOMPARE(state.accountRepository()->findById(account.id)->syncStatus, SyncStatus::Pending);
}

void CloudStartTest::unreachableServerKeepsTheSignIn()
{
    // A port that was just given up: every connection to it is refused, as when offline.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    pointAt(QUrl(QString("http://127.0.0.1:%1").arg(closedPort)));
    const QString access = AccountFixture::unsignedToken(600);
    {
        FileTokenStore seed = store();
        QVERIFY(seed.write(VarnAccount::TokenStore::kAccessTokenKey, access));
        QVERIFY(seed.write(VarnAccount::TokenStore::kRefreshTokenKey, QString("stored-refresh")));
    }
    AppState state;
    QSignalSpy starts(&state, &AppState::syncShouldStart);
    QVERIFY(state.initialize());
    VarnAccount::AuthClient *auth = state.cloudClient()->authClient();
    QTRY_VERIFY_WITH_TIMEOUT(auth->state() != AuthState::Uninitialized, 30000);
    QTest::qWait(1000);
    // The start-up refresh failed without an answer: no sync, but the sign-in stays for the
    // next start instead of being thrown away.
    QCOMPARE(starts.count(), 0);
    QVERIFY(auth->isAuthenticated());
    QCOMPARE(store().read(VarnAccount::TokenStore::kRefreshTokenKey).value_or(""),
             QString("stored-refresh"));
    QCOMPARE(store().read(VarnAccount::TokenStore::kAccessTokenKey).value_or(""), access);
}

LEDGERWELL_TEST(CloudStartTest)
#include "cloudstart_test.moc"
