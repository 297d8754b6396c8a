#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <sys/stat.h>

// ledgerwell-server as the program and scripts meet it: the real binary on a loopback port, once
// on SQLite and once on PostgreSQL (when the test script started one).
class ServerApiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void loginPageShowsTheForm();
    void foreignRedirectIsRefused_data();
    void foreignRedirectIsRefused();
    void wrongPasswordShowsTheFormAgain_data();
    void wrongPasswordShowsTheFormAgain();
    void signInRedirectsWithTokensInTheQuery();
    void fiveFailuresInAMinuteAnswer429();
    void refreshRotatesAndReuseRevokesTheSession();
    void logoutEndsTheSession();
    void usersMeReadsAndUpdates();
    void badTokensAreRefused_data();
    void badTokensAreRefused();
    void passwordChangeSignsOutOtherSessions();
    void sessionsListAndRevoke();
    void devicesRegisterListAndRemove();
    void userAddChecksItsInput();
    void restartKeepsUsersAndKey();
    void logHasOneLinePerRequestAndNoSecrets();

private:
    struct Tokens
    {
        QByteArray access;
        QByteArray refresh;
    };
    QUrl url(const QString &path) const;
    QUrl api(const QString &path) const;
    QUrl loginUrl(const QString &redirect) const;
    HttpTestClient::Reply submit(const QString &email, const QString &password,
                                 const QString &redirect = "http://localhost:19876/callback");
    Tokens signIn(const QString &email = "ann@example.org", const QString &password = kPassword);

    static constexpr const char *kPassword = "s3cret pass+word";
    std::unique_ptr<ServerProcess> m_server;
    HttpTestClient m_http;
};

void ServerApiTest::initTestCase_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("postgres");
    QTest::newRow("sqlite") << "sqlite" << QString();
    QTest::newRow("postgresql") << "postgresql" << ServerProcess::postgresUrl();
}

void ServerApiTest::init()
{
    QFETCH_GLOBAL(QString, backend);
    QFETCH_GLOBAL(QString, postgres);
    if (postgres.isEmpty() && backend == "postgresql") {
        QSKIP("LEDGERWELL_TEST_POSTGRES_URL is not set (scripts/test.sh sets it)");
    }
    m_server = std::make_unique<ServerProcess>(postgres);
    QVERIFY(m_server->addUser("Ann@Example.org", kPassword, "Ann"));
    QVERIFY(m_server->addUser("bob@example.org", "bobs password"));
    QVERIFY(m_server->start());
}

void ServerApiTest::cleanup()
{
    m_server.reset();
}

QUrl ServerApiTest::url(const QString &path) const
{
    QUrl u = m_server->baseUrl();
    u.setPath(path);
    return u;
}

QUrl ServerApiTest::api(const QString &path) const
{
    return url("/api/v1/realms/varnaby" + path);
}

QUrl ServerApiTest::loginUrl(const QString &redirect) const
{
    QUrl u = url("/varnaby/account/login");
    u.setQuery("client_id=0123456789abcdef0123456789abcdef&redirect_uri=" +
               QString::fromLatin1(QUrl::toPercentEncoding(redirect)));
    return u;
}

HttpTestClient::Reply ServerApiTest::submit(const QString &email, const QString &password,
                                            const QString &redirect)
{
    return m_http.postForm(url("/varnaby/account/login"), {{"client_id", "cid"},
                                                           {"redirect_uri", redirect},
                                                           {"email", email},
                                                           {"password", password}});
}

ServerApiTest::Tokens ServerApiTest::signIn(const QString &email, const QString &password)
{
    const auto reply = submit(email, password);
    const QUrlQuery query(QUrl::fromEncoded(reply.location));
    return {query.queryItemValue("access_token").toLatin1(),
            query.queryItemValue("refresh_token").toLatin1()};
}

void ServerApiTest::loginPageShowsTheForm()
{
    const auto reply = m_http.get(loginUrl("http://localhost:19876/callback?state=xyz"));
    QCOMPARE(reply.status, 200);
    QVERIFY(reply.body.contains("id=\"email\""));
    QVERIFY(reply.body.contains("id=\"password\""));
    QVERIFY(reply.body.contains("value=\"http://localhost:19876/callback?state=xyz\""));
    QVERIFY(!reply.body.contains("Wrong e-mail or password"));
    QCOMPARE(m_http.get(url("/otherrealm/account/login")).status, 404);
}

void ServerApiTest::foreignRedirectIsRefused_data()
{
    QTest::addColumn<QString>("redirect");
    QTest::newRow("other host") << "http://example.org:19876/callback";
    QTest::newRow("https") << "https://localhost:19876/callback";
    QTest::newRow("no port") << "http://localhost/callback";
    QTest::newRow("user info") << "http://localhost@example.org:80/callback";
    QTest::newRow("missing") << "";
}

void ServerApiTest::foreignRedirectIsRefused()
{
    QFETCH(QString, redirect);
    QCOMPARE(m_http.get(loginUrl(redirect)).status, 400);
    // Even with the right password no token leaves for that address.
    const auto reply = submit("ann@example.org", kPassword, redirect);
    QCOMPARE(reply.status, 400);
    QVERIFY(reply.location.isEmpty());
    QVERIFY(!reply.body.contains("access_token"));
}

void ServerApiTest::wrongPasswordShowsTheFormAgain_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << "ann@example.org"
                                    << "s3cret pass word";
    QTest::newRow("unknown user") << "nobody@example.org" << kPassword;
    QTest::newRow("empty password") << "ann@example.org"
                                    << "";
}

void ServerApiTest::wrongPasswordShowsTheFormAgain()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    const auto reply = submit(email, password);
    QCOMPARE(reply.status, 401);
    QVERIFY(reply.location.isEmpty());
    QVERIFY(reply.body.contains("Wrong e-mail or password"));
    QVERIFY(reply.body.contains("id=\"password\""));
    QVERIFY(reply.body.contains(email.toUtf8()));
}

void ServerApiTest::signInRedirectsWithTokensInTheQuery()
{
    // Upper-case address and a password with a space and a plus sign, form-encoded.
    const auto reply =
        submit("ANN@example.org", kPassword, "http://localhost:19876/callback?state=s%2Bt");
    QCOMPARE(reply.status, 302);
    const QUrl location = QUrl::fromEncoded(reply.location);
    QCOMPARE(location.host(), QString("localhost"));
    QCOMPARE(location.port(), 19876);
    QCOMPARE(location.path(), QString("/callback"));
    QVERIFY(location.fragment().isEmpty());
    const QUrlQuery query(location);
    QCOMPARE(query.queryItemValue("state", QUrl::FullyDecoded), QString("s+t"));
    const QByteArray access = query.queryItemValue("access_token").toLatin1();
    QVERIFY(!query.queryItemValue("refresh_token").isEmpty());
    const QJsonObject claims =
        QJsonDocument::fromJson(
            QByteArray::fromBase64(access.split('.').value(1), QByteArray::Base64UrlEncoding))
            .object();
    QCOMPARE(claims.value("email").toString(), QString("ann@example.org"));
    QVERIFY(!claims.value("sub").toString().isEmpty());
    const qint64 left = claims.value("exp").toInteger() - QDateTime::currentSecsSinceEpoch();
    QVERIFY2(left > 880 && left <= 900, qPrintable(QString::number(left)));
    QVERIFY(claims.value("custom").toObject().value("vby").toObject().contains("role"));
    QCOMPARE(m_http.get(api("/users/me"), access).json().value("email").toString(),
             QString("ann@example.org"));
}

void ServerApiTest::fiveFailuresInAMinuteAnswer429()
{
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(submit("ann@example.org", "wrong").status, 401);
    }
    // The right password does not help for a minute, nor does another account.
    QCOMPARE(submit("ann@example.org", kPassword).status, 429);
    QCOMPARE(submit("bob@example.org", "bobs password").status, 429);
}

void ServerApiTest::refreshRotatesAndReuseRevokesTheSession()
{
    const Tokens first = signIn();
    const auto rotated =
        m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", QString(first.refresh)}});
    QCOMPARE(rotated.status, 200);
    const QByteArray access = rotated.json().value("access_token").toString().toLatin1();
    const QString refresh = rotated.json().value("refresh_token").toString();
    QVERIFY(!access.isEmpty());
    QVERIFY(!refresh.isEmpty() && refresh != QString(first.refresh));
    QCOMPARE(m_http.get(api("/users/me"), access).status, 200);
    // The old refresh token comes back: somebody copied it. The session ends for everybody.
    QCOMPARE(
        m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", QString(first.refresh)}})
            .status,
        401);
    QCOMPARE(m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", refresh}}).status, 401);
    QCOMPARE(m_http.get(api("/users/me"), access).status, 401);
    QCOMPARE(m_http.get(api("/users/me"), first.access).status, 401);
    // Nonsense and missing tokens.
    QCOMPARE(m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", "nope"}}).status, 401);
    QCOMPARE(m_http.postJson(api("/auth/token/refresh"), {}).status, 400);
    // Another sign-in is not touched.
    const Tokens other = signIn();
    QCOMPARE(
        m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", QString(other.refresh)}})
            .status,
        200);
}

void ServerApiTest::logoutEndsTheSession()
{
    const Tokens tokens = signIn();
    QCOMPARE(m_http.postJson(api("/auth/logout"), {}).status, 401);
    QCOMPARE(m_http.postJson(api("/auth/logout"), {}, tokens.access).status, 200);
    QCOMPARE(m_http.get(api("/users/me"), tokens.access).status, 401);
    QCOMPARE(
        m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", QString(tokens.refresh)}})
            .status,
        401);
}

void ServerApiTest::usersMeReadsAndUpdates()
{
    const Tokens tokens = signIn();
    const QJsonObject me = m_http.get(api("/users/me"), tokens.access).json();
    QCOMPARE(me.value("display_name").toString(), QString("Ann"));
    QCOMPARE(me.value("username").toString(), QString("ann"));
    QVERIFY(QDateTime::fromString(me.value("created_at").toString(), Qt::ISODateWithMs).isValid());
    for (const char *key : {"id", "email", "display_name", "username", "avatar_url"}) {
        QVERIFY2(me.contains(key), key);
    }
    const auto patched =
        m_http.patchJson(api("/users/me"), {{"display_name", "  Ann B. "}}, tokens.access);
    QCOMPARE(patched.status, 200);
    QCOMPARE(patched.json().value("display_name").toString(), QString("Ann B."));
    QCOMPARE(m_http.get(api("/users/me"), tokens.access).json().value("display_name").toString(),
             QString("Ann B."));
    QCOMPARE(m_http.patchJson(api("/users/me"), {{"display_name", "x"}}).status, 401);
}

void ServerApiTest::badTokensAreRefused_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::newRow("garbage") << QByteArray("abc");
    QTest::newRow("unsigned") << QByteArray("eyJhbGciOiJub25lIn0.eyJzdWIiOiJ4In0.");
    QTest::newRow("refresh token as access") << QByteArray("refresh");
}

void ServerApiTest::badTokensAreRefused()
{
    QFETCH(QByteArray, token);
    if (token == "refresh") {
        token = signIn().refresh;
    }
    QCOMPARE(m_http.get(api("/users/me"), token).status, 401);
    QCOMPARE(m_http.get(url("/account/v1/devices"), token).status, 401);
}

void ServerApiTest::passwordChangeSignsOutOtherSessions()
{
    const Tokens mine = signIn();
    const Tokens other = signIn();
    const QUrl password = api("/users/me/password");
    QCOMPARE(m_http
                 .postJson(password, {{"current_password", kPassword}, {"new_password", "1234567"}},
                           mine.access)
                 .status,
             400);
    QCOMPARE(m_http
                 .postJson(password, {{"current_password", "wrong"}, {"new_password", "12345678"}},
                           mine.access)
                 .status,
             403);
    QCOMPARE(m_http
                 .postJson(password,
                           {{"current_password", kPassword}, {"new_password", "12345678"}},
                           mine.access)
                 .status,
             200);
    QCOMPARE(m_http.get(api("/users/me"), mine.access).status, 200);
    QCOMPARE(m_http.get(api("/users/me"), other.access).status, 401);
    QCOMPARE(submit("ann@example.org", kPassword).status, 401);
    QCOMPARE(submit("ann@example.org", "12345678").status, 302);
}

void ServerApiTest::sessionsListAndRevoke()
{
    const Tokens first = signIn();
    const Tokens second = signIn();
    const Tokens bob = signIn("bob@example.org", "bobs password");
    const QJsonArray sessions =
        m_http.get(api("/users/me/sessions"), first.access).json().value("sessions").toArray();
    QCOMPARE(sessions.size(), 2);
    QString otherId;
    int current = 0;
    for (const QJsonValue &v : sessions) {
        const QJsonObject s = v.toObject();
        QCOMPARE(s.value("ip_address").toString(), QString("127.0.0.1"));
        QVERIFY(!s.value("last_active_at").toString().isEmpty());
        current += s.value("is_current").toBool() ? 1 : 0;
        if (!s.value("is_current").toBool()) {
            otherId = s.value("id").toString();
        }
    }
    QCOMPARE(current, 1);
    // Bob cannot end Ann's session; Ann can.
    QCOMPARE(m_http.remove(api("/users/me/sessions/" + otherId), bob.access).status, 404);
    QCOMPARE(m_http.get(api("/users/me"), second.access).status, 200);
    QCOMPARE(m_http.remove(api("/users/me/sessions/" + otherId), first.access).status, 200);
    QCOMPARE(m_http.get(api("/users/me"), second.access).status, 401);
    QCOMPARE(m_http.get(api("/users/me/sessions"), first.access)
                 .json()
                 .value("sessions")
                 .toArray()
                 .size(),
             1);
    QCOMPARE(m_http.remove(api("/users/me/sessions/" + otherId), first.access).status, 404);
}

void ServerApiTest::devicesRegisterListAndRemove()
{
    const Tokens ann = signIn();
    const Tokens bob = signIn("bob@example.org", "bobs password");
    const QUrl devices = url("/account/v1/devices");
    const QUrl registerUrl = url("/account/v1/devices/register");
    QJsonObject device{{"device_name", "kitchen-pc"},
                       {"platform", "linux"},
                       {"app_id", "org.example.ledgerwell"},
                       {"app_version", "1.0.4"},
                       {"device_fingerprint", "0123456789abcdef0123456789abcdef"}};
    QCOMPARE(m_http.postJson(registerUrl, device).status, 401);
    const auto first = m_http.postJson(registerUrl, device, ann.access);
    QCOMPARE(first.status, 200);
    const QString id = first.json().value("id").toString();
    QVERIFY(!id.isEmpty());
    // The same machine again: the same row, with the new name and version.
    device["device_name"] = "kitchen";
    device["app_version"] = "1.0.5";
    QCOMPARE(m_http.postJson(registerUrl, device, ann.access).json().value("id").toString(), id);
    const QJsonArray list = m_http.get(devices, ann.access).json().value("devices").toArray();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.at(0).toObject().value("device_name").toString(), QString("kitchen"));
    QCOMPARE(list.at(0).toObject().value("app_version").toString(), QString("1.0.5"));
    QCOMPARE(list.at(0).toObject().value("platform").toString(), QString("linux"));
    QCOMPARE(m_http.get(devices, bob.access).json().value("devices").toArray().size(), 0);
    QCOMPARE(m_http.remove(url("/account/v1/devices/" + id), bob.access).status, 404);
    QCOMPARE(m_http.remove(url("/account/v1/devices/" + id), ann.access).status, 200);
    QCOMPARE(m_http.get(devices, ann.access).json().value("devices").toArray().size(), 0);
    device.remove("device_fingerprint");
    QCOMPARE(m_http.postJson(registerUrl, device, ann.access).status, 400);
}

void ServerApiTest::userAddChecksItsInput()
{
    QByteArray err;
    QCOMPARE(
        m_server->runCommand({"user", "add", "ann@example.org"}, "another pw\n", nullptr, &err), 1);
    QVERIFY(err.contains("exists already"));
    QCOMPARE(m_server->runCommand({"user", "add", "c@example.org"}, "short\n"), 2);
    QCOMPARE(m_server->runCommand({"user", "add", "not-an-address"}, "long enough\n"), 2);
    QCOMPARE(m_server->runCommand({"user", "remove", "x"}, ""), 2);
    QByteArray out;
    QCOMPARE(m_server->runCommand({"--help"}, "", &out), 0);
    QVERIFY(out.contains("user add EMAIL"));
    QVERIFY(out.contains("--listen"));
    QCOMPARE(m_server->runCommand({"user", "add", "carol@example.org", "--name", "Carol"},
                                  "carols pw 1\n", &out),
             0);
    QVERIFY(out.startsWith("Added carol@example.org"));
    QCOMPARE(submit("carol@example.org", "carols pw 1").status, 302);
}

void ServerApiTest::restartKeepsUsersAndKey()
{
    const Tokens tokens = signIn();
    struct stat info;
    QCOMPARE(
        ::stat(QFile::encodeName(m_server->dataDir() + "/token-secret.key").constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
    m_server->stop();
    QVERIFY(m_server->start());
    // Tokens signed before the restart still hold: the key was kept, the session stored.
    QCOMPARE(m_http.get(api("/users/me"), tokens.access).status, 200);
    QCOMPARE(
        m_http.postJson(api("/auth/token/refresh"), {{"refresh_token", QString(tokens.refresh)}})
            .status,
        200);
}

void ServerApiTest::logHasOneLinePerRequestAndNoSecrets()
{
    const Tokens tokens = signIn();
    m_http.get(api("/users/me"), tokens.access);
    m_http.get(url("/no/such/path"));
    m_server->stop();
    const QByteArray log = m_server->log();
    const QList<QByteArray> lines = log.trimmed().split('\n');
    QVERIFY2(lines.size() == 3, log.constData());
    QVERIFY2(lines.at(0).contains(" POST /varnaby/account/login 302 "), lines.at(0));
    QVERIFY2(lines.at(1).contains(" GET /api/v1/realms/varnaby/users/me 200 "), lines.at(1));
    QVERIFY2(lines.at(2).contains(" GET /no/such/path 404 "), lines.at(2));
    QVERIFY(lines.at(1).endsWith("ms"));
    QVERIFY(!log.contains(tokens.access));
    QVERIFY(!log.contains(tokens.refresh));
    QVERIFY(!log.contains("s3cret"));
}

LEDGERWELL_TEST(ServerApiTest)
#include "serverapi_test.moc"
