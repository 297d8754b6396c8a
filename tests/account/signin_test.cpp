#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/tokenmanager.h"
#include "account/urlopener.h"
#include "account/webauthhandler.h"
#include "accountfixture.h"
#include "support/testrunner.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>

using namespace VarnAccount;

// Browser sign-in against a real ledgerwell-server: the loopback listener, its state check, the
// tokens it hands over, and what a stored sign-in does at the next start.
class SignInTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void signInStoresTokensAndRegistersTheDevice();
    void forgedCallbackIsIgnored_data();
    void forgedCallbackIsIgnored();
    void callbackTokens_data();
    void callbackTokens();
    void signInTimesOut();
    void busyPortUsesAnother();
    void initializeRestoresTheStoredSignIn_data();
    void initializeRestoresTheStoredSignIn();
    void failedRefreshSignsOut();

private:
    // Starts a sign-in and answers the sign-in page URL the client asked to open.
    QUrl startLogin(Client &client);
    // Sends raw bytes to the listener (in pieces, with a pause between them) and answers the
    // status line it sent back.
    QByteArray sendRaw(quint16 port, const QList<QByteArray> &pieces);

    std::unique_ptr<AccountFixture> m_fixture;
    QUrl m_opened;
};

void SignInTest::init()
{
    m_fixture = std::make_unique<AccountFixture>();
    QVERIFY(m_fixture->start());
    m_opened.clear();
    UrlOpener::set([this](const QUrl &url) {
        m_opened = url;
        return true;
    });
}

void SignInTest::cleanup()
{
    UrlOpener::set(nullptr);
    m_fixture.reset();
}

QUrl SignInTest::startLogin(Client &client)
{
    client.initialize();
    client.authClient()->login();
    return m_opened;
}

QByteArray SignInTest::sendRaw(quint16 port, const QList<QByteArray> &pieces)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000)) {
        return "no connection";
    }
    for (int i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            QTest::qWait(150);
        }
        socket.write(pieces.at(i));
        socket.flush();
    }
    QByteArray reply;
    QDeadlineTimer deadline(5000);
    while (!reply.contains("\r\n") && !deadline.hasExpired()) {
        QTest::qWait(10);
        reply += socket.readAll();
    }
    return reply.left(reply.indexOf("\r\n"));
}

void SignInTest::signInStoresTokensAndRegistersTheDevice()
{
    auto client = m_fixture->client();
    QSignalSpy states(client->authClient(), &AuthClient::stateChanged);
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    const QUrl login = startLogin(*client);
    QCOMPARE(login.path(), QString("/varnaby/account/login"));
    const QUrl redirect(QUrlQuery(login).queryItemValue("redirect_uri", QUrl::FullyDecoded));
    QCOMPARE(redirect.host(), QString("localhost"));
    QCOMPARE(redirect.path(), QString("/callback"));
    QCOMPARE(QUrlQuery(redirect).queryItemValue("state").size(), 32);
    QCOMPARE(m_fixture->completeSignIn(login), 200);
    QTRY_COMPARE(succeeded.count(), 1);
    QVERIFY(client->isAuthenticated());
    QVERIFY(client->isSyncAllowed());
    QCOMPARE(states.count(), 2); // Unauthenticated at initialize, then Authenticated
    QCOMPARE(states.last().at(0).value<AuthState>(), AuthState::Authenticated);
    // The tokens are in the store, and a second client started on it is signed in at once.
    FileTokenStore store(m_fixture->tokenFile());
    QCOMPARE(store.read(TokenStore::kAccessTokenKey).value_or(QString()),
             client->tokenManager()->accessToken());
    auto again = m_fixture->client();
    again->initialize();
    QVERIFY(again->isAuthenticated());

    bool registered = false;
    client->accountClient()->registerDevice([&](bool ok) { registered = ok; });
    QTRY_VERIFY(registered);
    QList<Device> devices;
    client->accountClient()->getDevices([&](const QList<Device> &list) { devices = list; });
    QTRY_COMPARE(devices.size(), 1);
    QCOMPARE(devices.first().platform, QString("Linux"));
    QCOMPARE(devices.first().appVersion, QString("1.0.4"));
    QVERIFY(!devices.first().deviceFingerprint.isEmpty());

    User user;
    client->authClient()->fetchCurrentUser([&](const User &u) { user = u; });
    QTRY_COMPARE(user.email, QString(AccountFixture::kEmail));
    QCOMPARE(user.displayName, QString("Ann"));
}

void SignInTest::forgedCallbackIsIgnored_data()
{
    QTest::addColumn<QString>("forgery");
    QTest::newRow("no state") << "/callback?access_token=evil&refresh_token=evil";
    QTest::newRow("wrong state") << "/callback?state=0000&access_token=evil&refresh_token=evil";
    QTest::newRow("state in fragment")
        << "/callback?access_token=evil&refresh_token=evil#state=STATE";
    QTest::newRow("favicon") << "/favicon.ico";
}

void SignInTest::forgedCallbackIsIgnored()
{
    QFETCH(QString, forgery);
    auto client = m_fixture->client();
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);
    const QUrl login = startLogin(*client);
    WebAuthHandler *handler = client->authClient()->pendingHandler();
    QVERIFY(handler);
    forgery.replace("STATE", handler->state());
    QCOMPARE(sendRaw(handler->port(), {"GET " + forgery.toUtf8() + " HTTP/1.1\r\n\r\n"}),
             QByteArray("HTTP/1.1 400 Bad Request"));
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(failed.count(), 0);
    // The real callback still arrives and wins.
    QCOMPARE(m_fixture->completeSignIn(login), 200);
    QTRY_COMPARE(succeeded.count(), 1);
    QVERIFY(client->tokenManager()->refreshToken() != "evil");
    QVERIFY(!client->tokenManager()->accessToken().isEmpty());
}

void SignInTest::callbackTokens_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("withRefresh");
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("query") << "query" << true << false << true;
    QTest::newRow("fragment") << "fragment" << true << false << true;
    QTest::newRow("request line in two pieces") << "query" << true << true << true;
    QTest::newRow("only the access token") << "query" << false << false << false;
}

void SignInTest::callbackTokens()
{
    QFETCH(QString, where);
    QFETCH(bool, withRefresh);
    QFETCH(bool, split);
    QFETCH(bool, succeeds);
    const auto [access, refresh] = m_fixture->issueTokens();
    QVERIFY(!access.isEmpty());
    auto client = m_fixture->client();
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);
    startLogin(*client);
    WebAuthHandler *handler = client->authClient()->pendingHandler();
    QString tokens = "access_token=" + access;
    if (withRefresh) {
        tokens += "&refresh_token=" + refresh;
    }
    const QByteArray target = where == "query"
                                  ? ("/callback?state=" + handler->state() + "&" + tokens).toUtf8()
                                  : ("/callback?state=" + handler->state() + "#" + tokens).toUtf8();
    const QByteArray line = "GET " + target + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
    const QList<QByteArray> pieces =
        split ? QList<QByteArray>{line.left(20), line.mid(20)} : QList<QByteArray>{line};
    QCOMPARE(sendRaw(handler->port(), pieces), QByteArray("HTTP/1.1 200 OK"));
    if (succeeds) {
        QTRY_COMPARE(succeeded.count(), 1);
        QCOMPARE(client->tokenManager()->refreshToken(), refresh);
        QVERIFY(client->isAuthenticated());
    } else {
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(failed.first().at(0).toString(), QString("No tokens received"));
        QVERIFY(!client->isAuthenticated());
        QVERIFY(!FileTokenStore(m_fixture->tokenFile()).read(TokenStore::kAccessTokenKey));
    }
}

void SignInTest::signInTimesOut()
{
    auto client = m_fixture->client();
    QSignalSpy failed(client->authClient(), &AuthClient::loginFailed);
    client->authClient()->setLoginTimeout(300);
    const QUrl login = startLogin(*client);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toString(), QString("Sign-in timed out"));
    // The listener is gone: the browser's late redirect reaches nobody.
    QCOMPARE(m_fixture->completeSignIn(login), 0);
    QVERIFY(!client->isAuthenticated());
}

void SignInTest::busyPortUsesAnother()
{
    QTcpServer squatter;
    const bool held = squatter.listen(QHostAddress::LocalHost, WebAuthHandler::kPreferredPort);
    auto client = m_fixture->client();
    QSignalSpy succeeded(client->authClient(), &AuthClient::loginSucceeded);
    const QUrl login = startLogin(*client);
    const QUrl redirect(QUrlQuery(login).queryItemValue("redirect_uri", QUrl::FullyDecoded));
    if (held) {
        QVERIFY(redirect.port() != WebAuthHandler::kPreferredPort);
    }
    QCOMPARE(redirect.port(), int(client->authClient()->pendingHandler()->port()));
    QCOMPARE(m_fixture->completeSignIn(login), 200);
    QTRY_COMPARE(succeeded.count(), 1);
}

void SignInTest::initializeRestoresTheStoredSignIn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("refreshes");
    QTest::newRow("good access token") << "both" << true << 0;
    QTest::newRow("only a refresh token") << "refresh" << true << 1;
    QTest::newRow("expired access, revoked refresh") << "revoked" << false << 1;
    QTest::newRow("nothing") << "none" << false << 0;
}

void SignInTest::initializeRestoresTheStoredSignIn()
{
    QFETCH(QString, stored);
    QFETCH(bool, signedIn);
    QFETCH(int, refreshes);
    auto [access, refresh] = m_fixture->issueTokens();
    FileTokenStore store(m_fixture->tokenFile());
    if (stored == "both") {
        store.write(TokenStore::kAccessTokenKey, access);
        store.write(TokenStore::kRefreshTokenKey, refresh);
    } else if (stored == "refresh") {
        store.write(TokenStore::kRefreshTokenKey, refresh);
    } else if (stored == "revoked") {
        QCOMPARE(m_fixture->http()
                     .postJson(QUrl(m_fixture->server().baseUrl().toString() +
                                    "/api/v1/realms/varnaby/auth/logout"),
                               {}, access.toLatin1())
                     .status,
                 200);
        store.write(TokenStore::kAccessTokenKey, AccountFixture::unsignedToken(10));
        store.write(TokenStore::kRefreshTokenKey, refresh);
    }
    auto client = m_fixture->client();
    QSignalSpy states(client->authClient(), &AuthClient::stateChanged);
    client->initialize();
    QTRY_COMPARE(states.count(), 1);
    QCOMPARE(client->isAuthenticated(), signedIn);
    QCOMPARE(m_fixture->logCount("POST /api/v1/realms/varnaby/auth/token/refresh"), refreshes);
}

void SignInTest::failedRefreshSignsOut()
{
    auto [access, refresh] = m_fixture->issueTokens();
    auto client = m_fixture->client();
    client->tokenManager()->setTokens(access, refresh);
    client->initialize();
    QVERIFY(client->isAuthenticated());
    // The session is revoked elsewhere (another device revoked it): the next refresh fails.
    m_fixture->http().postJson(
        QUrl(m_fixture->server().baseUrl().toString() + "/api/v1/realms/varnaby/auth/logout"), {},
        access.toLatin1());
    QSignalSpy states(client->authClient(), &AuthClient::stateChanged);
    bool answered = false;
    bool result = true;
    client->authClient()->refreshToken([&](bool ok) {
        answered = true;
        result = ok;
    });
    QTRY_VERIFY(answered);
    QVERIFY(!result);
    QCOMPARE(states.count(), 1);
    QVERIFY(!client->isAuthenticated());
    QVERIFY(client->tokenManager()->refreshToken().isEmpty());
    QVERIFY(!FileTokenStore(m_fixture->tokenFile()).read(TokenStore::kRefreshTokenKey));
}

LEDGERWELL_TEST(SignInTest)
#include "signin_test.moc"
