#include "household.h"
#include "support/testrunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <memory>

// Every route of the server walked by every kind of caller: nobody (no token), a stranger (Cat,
// signed in but in no group and with no share), a member (Bob) and the owner (Ann), on SQLite.
// One table says what each of them gets.
class AuthorisationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyRouteForEveryCaller_data();
    void everyRouteForEveryCaller();

private:
    QString fill(QString text, const QString &caller);
    std::unique_ptr<Household> m_home;
};

void AuthorisationTest::initTestCase()
{
    m_home = std::make_unique<Household>();
    QVERIFY(m_home->setUp());
}

void AuthorisationTest::cleanupTestCase()
{
    m_home.reset();
}

void AuthorisationTest::everyRouteForEveryCaller_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("caller");
    QTest::addColumn<int>("status");
    struct Route
    {
        const char *method;
        const char *path;
        const char *body;
        int nobody, stranger, member, owner;
    };
    const QString realm = "/api/v1/realms/varnaby";
    const Route routes[] = {
        // Authentication API: everyone signed in reaches their own user and sessions.
        {"GET", "{realm}/users/me", "", 401, 200, 200, 200},
        {"PATCH", "{realm}/users/me", R"({"display_name":"{caller}"})", 401, 200, 200, 200},
        {"POST", "{realm}/users/me/password",
         R"({"current_password":"{password}","new_password":"{password}"})", 401, 200, 200, 200},
        {"GET", "{realm}/users/me/sessions", "", 401, 200, 200, 200},
        {"DELETE", "{realm}/users/me/sessions/{annsSession}", "", 401, 404, 404, 200},
        {"POST", "{realm}/auth/token/refresh", R"({"refresh_token":"{refresh}"})", 400, 200, 200,
         200},
        {"POST", "{realm}/auth/logout", "", 401, 200, 200, 200},
        // Account API: the profile, the group and the devices.
        {"GET", "/account/v1/profile", "", 401, 200, 200, 200},
        {"DELETE", "/account/v1/profile", "", 401, 200, 200, 409},
        {"GET", "/account/v1/group", "", 401, 404, 200, 200},
        {"POST", "/account/v1/group/invite", "{}", 401, 403, 403, 201},
        {"POST", "/account/v1/group/invite", R"({"email":"eve@example.org"})", 401, 403, 403, 201},
        {"POST", "/account/v1/group/join/{code}", "", 401, 200, 409, 409},
        {"POST", "/account/v1/group/leave", "", 401, 404, 200, 409},
        {"DELETE", "/account/v1/group/members/{dan}", "", 401, 403, 403, 200},
        {"DELETE", "/account/v1/group/invitations/{invitation}", "", 401, 403, 403, 200},
        {"POST", "/account/v1/devices/register", R"({"device_fingerprint":"fp-{caller}"})", 401,
         200, 200, 200},
        {"GET", "/account/v1/devices", "", 401, 200, 200, 200},
        {"DELETE", "/account/v1/devices/{annsDevice}", "", 401, 404, 404, 200},
        // Sync API: everyone syncs their own feed; only the owner shares.
        {"POST", "/ledgerwell/v1/sync/push", R"({"changes":[]})", 401, 200, 200, 200},
        {"GET", "/ledgerwell/v1/sync/pull", "", 401, 200, 200, 200},
        {"GET", "/ledgerwell/v1/accounts/{joint}/members", "", 401, 403, 200, 200},
        {"POST", "/ledgerwell/v1/accounts/{joint}/share", R"({"user_id":"{dan}","role":"member"})",
         401, 403, 403, 200},
        {"DELETE", "/ledgerwell/v1/accounts/{joint}/share/{dan}", "", 401, 403, 403, 200},
        {"GET", "/ledgerwell/v1/accounts/no-such-account/members", "", 401, 404, 404, 404},
    };
    for (const Route &route : routes) {
        const QStringList callers{"nobody", "stranger", "member", "owner"};
        const int statuses[] = {route.nobody, route.stranger, route.member, route.owner};
        for (int i = 0; i < callers.size(); ++i) {
            const QString path = QString::fromLatin1(route.path).replace("{realm}", realm);
            const QString name =
                QString("%1 %2 %3 as %4").arg(route.method, path, route.body, callers.at(i));
            QTest::newRow(qPrintable(name))
                << route.method << path << route.body << callers.at(i) << statuses[i];
        }
    }
}

// The placeholders of a path or body, as the household stands now; `caller` is empty for nobody.
QString AuthorisationTest::fill(QString text, const QString &caller)
{
    HttpTestClient &http = m_home->http();
    if (text.contains("{annsSession}")) {
        // A second session of Ann's, so that revoking it leaves her signed in.
        Household::Person &ann = m_home->person("ann");
        const QByteArray kept = ann.access;
        m_home->signIn("ann");
        const auto sessions =
            http.get(m_home->url("/api/v1/realms/varnaby/users/me/sessions"), ann.access);
        for (const QJsonValue &s : sessions.json().value("sessions").toArray()) {
            if (s.toObject().value("is_current").toBool()) {
                text.replace("{annsSession}", s.toObject().value("id").toString());
            }
        }
        ann.access = kept;
    }
    if (text.contains("{annsDevice}")) {
        const auto device =
            http.postJson(m_home->url("/account/v1/devices/register"),
                          {{"device_fingerprint", "anns-laptop"}}, m_home->token("ann"));
        text.replace("{annsDevice}", device.json().value("id").toString());
    }
    if (text.contains("{code}")) {
        text.replace("{code}", m_home->invite().value("invite_code").toString());
    }
    if (text.contains("{invitation}")) {
        text.replace("{invitation}", m_home->invite().value("id").toString());
    }
    m_home->token("dan");
    const Household::Person p = caller.isEmpty() ? Household::Person() : m_home->person(caller);
    return text.replace("{joint}", m_home->jointAccount())
        .replace("{dan}", m_home->person("dan").id)
        .replace("{caller}", caller)
        .replace("{password}", p.password)
        .replace("{refresh}", QString::fromLatin1(p.refresh));
}

void AuthorisationTest::everyRouteForEveryCaller()
{
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(QString, body);
    QFETCH(QString, caller);
    QFETCH(int, status);
    QVERIFY(m_home->restore());
    const QHash<QString, QString> people{{"stranger", "cat"}, {"member", "bob"}, {"owner", "ann"}};
    QByteArray bearer;
    if (people.contains(caller)) {
        // A session of its own, as some routes end it or the others.
        QVERIFY(m_home->signIn(people.value(caller)));
        bearer = m_home->person(people.value(caller)).access;
    }
    const QString person = people.value(caller);
    const QUrl url = m_home->url(fill(path, person));
    const QJsonObject json = QJsonDocument::fromJson(fill(body, person).toUtf8()).object();
    HttpTestClient &http = m_home->http();
    HttpTestClient::Reply reply;
    if (method == "GET") {
        reply = http.get(url, bearer);
    } else if (method == "DELETE") {
        reply = http.remove(url, bearer);
    } else if (method == "PATCH") {
        reply = http.patchJson(url, json, bearer);
    } else {
        reply = http.postJson(url, json, bearer);
    }
    QVERIFY2(reply.status == status,
             qPrintable(QString("got %1: %2").arg(reply.status).arg(QString(reply.body))));
    if (reply.status >= 400) {
        QVERIFY(!reply.json().value("error").toString().isEmpty());
    }
}

LEDGERWELL_TEST(AuthorisationTest)
#include "authorisation_test.moc"
