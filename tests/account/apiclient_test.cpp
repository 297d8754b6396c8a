#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/tokenmanager.h"
#include "accountfixture.h"
#include "scriptedserver.h"
#include "support/testrunner.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace VarnAccount;

// ApiClient and TokenManager: headers, bodies, expiry margins, shared refreshes, retries and
// failures, against the real server where it can show them and a scripted one where a status
// must be forced or the raw request seen.
class ApiClientTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void expiryMargin_data();
    void expiryMargin();
    void refreshBeforeOrAfterTheRequest_data();
    void refreshBeforeOrAfterTheRequest();
    void twoWaitingRequestsShareOneRefresh();
    void secondUnauthorizedIsPassedOn();
    void failedRefreshAsksForSignIn();
    void notFoundKeepsItsBody();
    void connectionRefused();
    void silentServerTimesOut();
    void requestShape_data();
    void requestShape();
    void logoutWhileSignedOut();

private:
    struct Result
    {
        bool done = false;
        bool ok = false;
        int status = -1;
        QJsonObject body;
    };
    static ApiClient::Callback into(Result &result);

    std::unique_ptr<AccountFixture> m_fixture;
};

void ApiClientTest::initTestCase()
{
    m_fixture = std::make_unique<AccountFixture>();
    QVERIFY(m_fixture->start());
}

void ApiClientTest::init()
{
    // Every case starts signed out: nothing left in the store by the one before.
    FileTokenStore(m_fixture->tokenFile()).clear();
}

void ApiClientTest::cleanupTestCase()
{
    m_fixture.reset();
}

ApiClient::Callback ApiClientTest::into(Result &result)
{
    return [&result](bool ok, int status, const QJsonObject &body) {
        result = {true, ok, status, body};
    };
}

void ApiClientTest::expiryMargin_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("needsRefresh");
    QTest::newRow("40 s left") << AccountFixture::unsignedToken(40) << "r" << true << false;
    QTest::newRow("25 s left") << AccountFixture::unsignedToken(25) << "r" << false << true;
    QTest::newRow("25 s left, no refresh token")
        << AccountFixture::unsignedToken(25) << "" << false << false;
    QTest::newRow("expired") << AccountFixture::unsignedToken(-5) << "r" << false << true;
    QTest::newRow("no exp") << "eyJhbGciOiJIUzI1NiJ9.eyJzdWIiOiJ4In0.c2ln"
                            << "r" << false << true;
    QTest::newRow("not a JWT") << "opaque"
                               << "r" << false << true;
    QTest::newRow("nothing") << ""
                             << "" << false << false;
}

void ApiClientTest::expiryMargin()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(bool, usable);
    QFETCH(bool, needsRefresh);
    QTemporaryDir dir;
    TokenManager tokens(std::make_unique<FileTokenStore>(dir.filePath("t.json")));
    tokens.setTokens(access, refresh);
    QCOMPARE(tokens.accessToken(), usable ? access : QString());
    QCOMPARE(tokens.needsRefresh(), needsRefresh);
    // What was set survives in the store.
    TokenManager loaded(std::make_unique<FileTokenStore>(dir.filePath("t.json")));
    loaded.load();
    QCOMPARE(loaded.refreshToken(), refresh);
    QCOMPARE(loaded.accessToken(), tokens.accessToken());
}

void ApiClientTest::refreshBeforeOrAfterTheRequest_data()
{
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<QByteArray>("firstRequest");
    // 25 s left: refreshed before the request goes out. 40 s left: the old token goes out; the
    // server (which did not sign it) answers 401, and the retry after a refresh succeeds.
    QTest::newRow("25 s") << 25 << QByteArray("POST /api/v1/realms/varnaby/auth/token/refresh");
    QTest::newRow("40 s") << 40 << QByteArray("GET /api/v1/realms/varnaby/users/me 401");
}

void ApiClientTest::refreshBeforeOrAfterTheRequest()
{
    QFETCH(int, secondsLeft);
    QFETCH(QByteArray, firstRequest);
    const auto [access, refresh] = m_fixture->issueTokens();
    auto client = m_fixture->client();
    client->tokenManager()->setTokens(AccountFixture::unsignedToken(secondsLeft), refresh);
    const int before = m_fixture->server().log().size();
    Result result;
    client->authApi()->get("/users/me", into(result));
    QTRY_VERIFY(result.done);
    QCOMPARE(result.status, 200);
    QCOMPARE(result.body.value("email").toString(), QString(AccountFixture::kEmail));
    const QList<QByteArray> lines = m_fixture->server().log().mid(before).trimmed().split('\n');
    QVERIFY2(lines.first().contains(firstRequest), lines.first());
    QVERIFY(lines.last().contains("GET /api/v1/realms/varnaby/users/me 200"));
}

void ApiClientTest::twoWaitingRequestsShareOneRefresh()
{
    const auto [access, refresh] = m_fixture->issueTokens();
    auto client = m_fixture->client();
    client->tokenManager()->setTokens(AccountFixture::unsignedToken(-60), refresh);
    const QByteArray refreshLine = "POST /api/v1/realms/varnaby/auth/token/refresh";
    const int before = m_fixture->logCount(refreshLine);
    Result me;
    Result devices;
    client->authApi()->get("/users/me", into(me));
    client->accountApi()->get("/devices", into(devices));
    QTRY_VERIFY(me.done && devices.done);
    QCOMPARE(me.status, 200);
    QCOMPARE(devices.status, 200);
    QCOMPARE(m_fixture->logCount(refreshLine) - before, 1);
}

void ApiClientTest::secondUnauthorizedIsPassedOn()
{
    ScriptedServer fake;
    const QString fresh = AccountFixture::unsignedToken(900);
    fake.script({{401, R"({"error":"first"})"},
                 {200, QJsonDocument(QJsonObject{{"access_token", fresh}, {"refresh_token", "r2"}})
                           .toJson(QJsonDocument::Compact)},
                 {401, R"({"error":"again"})"}});
    auto client = m_fixture->client(QUrl(QString("http://127.0.0.1:%1").arg(fake.port())));
    client->tokenManager()->setTokens(AccountFixture::unsignedToken(600), "r1");
    QSignalSpy required(client->authApi(), &ApiClient::authenticationRequired);
    Result result;
    client->authApi()->get("/users/me", into(result));
    QTRY_VERIFY(result.done);
    QCOMPARE(result.ok, false);
    QCOMPARE(result.status, 401);
    QCOMPARE(result.body.value("error").toString(), QString("again"));
    QCOMPARE(required.count(), 0);
    QCOMPARE(fake.requests().size(), 3);
    QCOMPARE(fake.requests().at(1).target, QByteArray("/api/v1/realms/varnaby/auth/token/refresh"));
    QCOMPARE(fake.requests().at(1).body, QByteArray(R"({"refresh_token":"r1"})"));
    QVERIFY(!fake.requests().at(1).hasHeader("Authorization"));
    QCOMPARE(fake.requests().at(2).header("Authorization"), "Bearer " + fresh.toLatin1());
    QCOMPARE(client->tokenManager()->refreshToken(), QString("r2"));
}

void ApiClientTest::failedRefreshAsksForSignIn()
{
    auto client = m_fixture->client();
    client->tokenManager()->setTokens(AccountFixture::unsignedToken(5), "no-such-refresh-token");
    QSignalSpy required(client->authApi(), &ApiClient::authenticationRequired);
    QSignalSpy states(client->authClient(), &AuthClient::stateChanged);
    Result result;
    client->authApi()->get("/users/me", into(result));
    QTRY_VERIFY(result.done);
    QCOMPARE(result.status, 401);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(required.count(), 1);
    QCOMPARE(states.count(), 0); // the ApiClient does not change the sign-in state
}

void ApiClientTest::notFoundKeepsItsBody()
{
    auto client = m_fixture->client();
    QSignalSpy required(client->authApi(), &ApiClient::authenticationRequired);
    QSignalSpy network(client->authApi(), &ApiClient::networkError);
    Result result;
    client->authApi()->getPublic("/no/such/thing", into(result));
    QTRY_VERIFY(result.done);
    QCOMPARE(result.ok, false);
    QCOMPARE(result.status, 404);
    QCOMPARE(result.body, QJsonObject({{"error", "not found"}}));
    QCOMPARE(required.count() + network.count(), 0);
}

void ApiClientTest::connectionRefused()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = probe.serverPort();
    probe.close();
    auto client = m_fixture->client(QUrl(QString("http://127.0.0.1:%1").arg(closedPort)));
    QSignalSpy network(client->authApi(), &ApiClient::networkError);
    Result result;
    client->authApi()->getPublic("/users/me", into(result));
    QTRY_VERIFY(result.done);
    QCOMPARE(result.ok, false);
    QCOMPARE(result.status, 0);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(network.count(), 1);
    QVERIFY2(network.first().at(0).toString().contains("refused"),
             qPrintable(network.first().at(0).toString()));
}

void ApiClientTest::silentServerTimesOut()
{
    ScriptedServer fake;
    fake.script({{200, "{}", true}});
    auto client = m_fixture->client(QUrl(QString("http://127.0.0.1:%1").arg(fake.port())));
    client->authApi()->setTimeout(300);
    QSignalSpy network(client->authApi(), &ApiClient::networkError);
    Result result;
    client->authApi()->postPublic("/auth/token/refresh", {{"refresh_token", "x"}}, into(result));
    QTRY_VERIFY(result.done);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.ok, false);
    QCOMPARE(network.count(), 1);
    QCOMPARE(network.first().at(0).toString(), QString("network error: timeout"));
}

void ApiClientTest::requestShape_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("appId");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("GET with query under a base path")
        << "/ledgerwell/v1"
        << "org.example.Ledgerwell" << QByteArray("GET")
        << QByteArray("/ledgerwell/v1/sync/pull?since=2026-01-01T00:00:00Z&limit=200")
        << QByteArray();
    QTest::newRow("POST of an empty object") << ""
                                             << "org.example.Ledgerwell" << QByteArray("POST")
                                             << QByteArray("/sync/push") << QByteArray();
    QTest::newRow("PATCH with a body, no app id")
        << ""
        << "" << QByteArray("PATCH") << QByteArray("/users/me")
        << QByteArray(R"({"display_name":"A"})");
}

void ApiClientTest::requestShape()
{
    QFETCH(QString, base);
    QFETCH(QString, appId);
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, body);
    ScriptedServer fake;
    fake.script({{200, "{}"}});
    QTemporaryDir dir;
    TokenManager tokens(std::make_unique<FileTokenStore>(dir.filePath("t.json")));
    const QString token = AccountFixture::unsignedToken(600);
    tokens.setTokens(token, "r");
    ApiClient api(&tokens);
    api.setBaseUrl(QUrl(QString("http://127.0.0.1:%1%2").arg(fake.port()).arg(base)));
    api.setAppInfo(appId, "1.0.4", "linux");
    Result result;
    if (method == "GET") {
        QUrlQuery query;
        query.addQueryItem("since", "2026-01-01T00:00:00Z");
        query.addQueryItem("limit", "200");
        api.get("/sync/pull", into(result), query);
    } else if (method == "POST") {
        api.post("/sync/push", {}, into(result));
    } else {
        api.patch("/users/me", {{"display_name", "A"}}, into(result));
    }
    QTRY_VERIFY(result.done);
    QCOMPARE(result.status, 200);
    const ScriptedServer::Request &request = fake.requests().first();
    QCOMPARE(request.method, method);
    QCOMPARE(request.target, target);
    QCOMPARE(request.body, body);
    QCOMPARE(request.header("Content-Type"), QByteArray("application/json"));
    QCOMPARE(request.header("Accept"), QByteArray("application/json"));
    QCOMPARE(request.hasHeader("X-App-Id"), !appId.isEmpty());
    QCOMPARE(request.header("X-App-Version"), QByteArray("1.0.4"));
    QCOMPARE(request.header("X-Platform"), QByteArray("linux"));
    QCOMPARE(request.header("Authorization"), "Bearer " + token.toLatin1());
}

void ApiClientTest::logoutWhileSignedOut()
{
    ScriptedServer fake;
    fake.script({{401, R"({"error":"not signed in"})"}});
    auto client = m_fixture->client(QUrl(QString("http://127.0.0.1:%1").arg(fake.port())));
    client->initialize();
    QCOMPARE(client->authClient()->state(), AuthState::Unauthenticated);
    QSignalSpy states(client->authClient(), &AuthClient::stateChanged);
    QSignalSpy completed(client->authClient(), &AuthClient::logoutCompleted);
    bool sent = false;
    client->authClient()->logout([&] { sent = true; });
    QCOMPARE(completed.count(), 1);
    QTRY_VERIFY(sent);
    QCOMPARE(states.count(), 0);
    QCOMPARE(fake.requests().size(), 1);
    QCOMPARE(fake.requests().first().target, QByteArray("/api/v1/realms/varnaby/auth/logout"));
    QVERIFY(!fake.requests().first().hasHeader("Authorization"));
    QCOMPARE(fake.requests().first().header("Content-Length"), QByteArray("0"));
}

LEDGERWELL_TEST(ApiClientTest)
#include "apiclient_test.moc"
