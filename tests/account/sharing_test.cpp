#include "account/accountfixture.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"
#include "account/relativetime.h"
#include "account/scriptedserver.h"
#include "account/tokenclaims.h"
#include "account/tokenmanager.h"
#include "support/testrunner.h"

#include <QJsonDocument>
#include <QLocale>
#include <QTest>

using VarnAccount::AccountSharingService;
using VarnAccount::RelativeTime;
using VarnAccount::ShareMember;
using VarnAccount::TokenClaims;

namespace {

QString tokenWith(const QJsonObject &claims)
{
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(b64) + '.' +
                               QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(b64) +
                               ".c2lnbmF0dXJl");
}

} // namespace

// The parts of the account screen and of sharing that do not need a group on the server: the
// relative times, the role claim, and what the sharing service sends and makes of a refusal.
class SharingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void relativeTimes_data();
    void relativeTimes();
    void serverTimeForms_data();
    void serverTimeForms();
    void groupRoleClaim_data();
    void groupRoleClaim();
    void shareRequestBody_data();
    void shareRequestBody();
    void refusedShareExplains_data();
    void refusedShareExplains();
    void membersListRead();

private:
    std::unique_ptr<VarnAccount::Client> scriptedClient(ScriptedServer &fake);

    AccountFixture m_fixture;
};

void SharingTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void SharingTest::cleanupTestCase()
{
    QLocale::setDefault(QLocale::system());
}

void SharingTest::relativeTimes_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("just now") << qint64(0) << "Active now";
    QTest::newRow("59 s") << qint64(59) << "Active now";
    QTest::newRow("60 s") << qint64(60) << "1m ago";
    QTest::newRow("59 min 59 s") << qint64(3599) << "59m ago";
    QTest::newRow("3,600 s") << qint64(3600) << "1h ago";
    QTest::newRow("a day less a second") << qint64(86399) << "23h ago";
    QTest::newRow("a day") << qint64(86400) << "1d ago";
    QTest::newRow("a week less a second") << qint64(604799) << "6d ago";
    // Noon UTC, so the local date is the same in every time zone a test machine might use.
    QTest::newRow("eight days") << qint64(8 * 86400) << "Mar 1, 2026";
    QTest::newRow("in the future") << qint64(-120) << "Active now";
}

void SharingTest::relativeTimes()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, expected);
    const QDateTime then(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    QCOMPARE(RelativeTime::format(then, then.addSecs(secondsAgo)), expected);
}

void SharingTest::serverTimeForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("UTC") << "2026-03-01T12:00:00Z"
                         << "2h ago";
    QTest::newRow("milliseconds") << "2026-03-01T12:00:00.250Z"
                                  << "1h ago";
    QTest::newRow("no offset is UTC") << "2026-03-01T12:00:00"
                                      << "2h ago";
    QTest::newRow("offset") << "2026-03-01T13:00:00+02:00"
                            << "3h ago";
    QTest::newRow("empty") << ""
                           << "Unknown";
    QTest::newRow("not a time") << "yesterday"
                                << "Unknown";
}

void SharingTest::serverTimeForms()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QDateTime now(QDate(2026, 3, 1), QTime(14, 0), Qt::UTC);
    QCOMPARE(RelativeTime::format(text, now), expected);
}

void SharingTest::groupRoleClaim_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("role");
    const QJsonObject owner{{"vby", QJsonObject{{"role", "owner"}}}};
    const QJsonObject member{{"vby", QJsonObject{{"role", "member"}}}};
    QTest::newRow("owner") << tokenWith({{"sub", "a"}, {"custom", owner}}) << "owner";
    QTest::newRow("member") << tokenWith({{"sub", "a"}, {"custom", member}}) << "member";
    QTest::newRow("no group") << tokenWith({{"sub", "a"}}) << "";
    QTest::newRow("role at the top level") << tokenWith({{"role", "owner"}}) << "";
    QTest::newRow("not a token") << "owner"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void SharingTest::groupRoleClaim()
{
    QFETCH(QString, token);
    QFETCH(QString, role);
    QCOMPARE(TokenClaims::groupRole(token), role);
}

std::unique_ptr<VarnAccount::Client> SharingTest::scriptedClient(ScriptedServer &fake)
{
    auto client = m_fixture.client(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(fake.port())));
    client->syncApi()->setBaseUrl(
        QUrl(QStringLiteral("http://127.0.0.1:%1/ledgerwell/v1").arg(fake.port())));
    client->tokenManager()->setTokens(AccountFixture::unsignedToken(600), QStringLiteral("r"));
    return client;
}

void SharingTest::shareRequestBody_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("e-mail") << "bob@example.org"
                            << "member"
                            << QByteArray(R"({"email":"bob@example.org","role":"member",)"
                                          R"("user_id":"bob@example.org"})");
    QTest::newRow("user id") << "7f3c-22"
                             << "member" << QByteArray(R"({"role":"member","user_id":"7f3c-22"})");
    QTest::newRow("no role given") << "7f3c-22"
                                   << "" << QByteArray(R"({"role":"member","user_id":"7f3c-22"})");
    QTest::newRow("other role") << "7f3c-22"
                                << "viewer"
                                << QByteArray(R"({"role":"viewer","user_id":"7f3c-22"})");
}

void SharingTest::shareRequestBody()
{
    QFETCH(QString, identifier);
    QFETCH(QString, role);
    QFETCH(QByteArray, body);
    ScriptedServer fake;
    fake.script({{201, "{}"}});
    auto client = scriptedClient(fake);
    AccountSharingService service(client->syncApi());
    bool done = false;
    bool ok = false;
    service.shareWith("acc-1", identifier, role, [&](bool success, const QString &) {
        done = true;
        ok = success;
    });
    QTRY_VERIFY(done);
    QVERIFY(ok);
    QCOMPARE(fake.requests().size(), 1);
    QCOMPARE(fake.requests().first().method, QByteArray("POST"));
    QCOMPARE(fake.requests().first().target, QByteArray("/ledgerwell/v1/accounts/acc-1/share"));
    QCOMPARE(fake.requests().first().body, body);
}

void SharingTest::refusedShareExplains_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("error");
    QTest::newRow("server's words")
        << 403 << QByteArray(R"({"error":"only the owner shares"})") << "only the owner shares";
    QTest::newRow("empty error") << 409 << QByteArray(R"({"error":""})")
                                 << "Failed to share account (HTTP 409)";
    QTest::newRow("no body") << 500 << QByteArray() << "Failed to share account (HTTP 500)";
}

void SharingTest::refusedShareExplains()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(QString, error);
    ScriptedServer fake;
    fake.script({{status, reply}});
    auto client = scriptedClient(fake);
    AccountSharingService service(client->syncApi());
    bool done = false;
    bool ok = true;
    QString text;
    service.shareWith("acc-1", "7f3c-22", "member", [&](bool success, const QString &message) {
        done = true;
        ok = success;
        text = message;
    });
    QTRY_VERIFY(done);
    QVERIFY(!ok);
    QCOMPARE(text, error);
}

void SharingTest::membersListRead()
{
    ScriptedServer fake;
    fake.script({{200, R"({"members":[{"user_id":"u1","email":"a@x.org","display_name":"Ann",)"
                       R"("role":"owner","created_at":"2026-01-02T03:04:05Z"},)"
                       R"({"user_id":"u2","role":"member","created_at":1767323045}]})"},
                 {404, R"({"error":"no such account"})"}});
    auto client = scriptedClient(fake);
    AccountSharingService service(client->syncApi());
    QList<ShareMember> members;
    bool done = false;
    service.listMembers("acc-1", [&](const QList<ShareMember> &list) {
        members = list;
        done = true;
    });
    QTRY_VERIFY(done);
    QCOMPARE(fake.requests().first().target, QByteArray("/ledgerwell/v1/accounts/acc-1/members"));
    QCOMPARE(members.size(), 2);
    QCOMPARE(members.at(0).id, QString("u1"));
    QCOMPARE(members.at(0).userId, QString("u1"));
    QCOMPARE(members.at(0).displayName, QString("Ann"));
    QCOMPARE(members.at(0).createdAt, QString("2026-01-02T03:04:05Z"));
    QCOMPARE(members.at(1).email, QString());
    QCOMPARE(members.at(1).createdAt, QString("1767323045"));

    // A refused list reads as nobody.
    done = false;
    members = {ShareMember()};
    service.listMembers("acc-2", [&](const QList<ShareMember> &list) {
        members = list;
        done = true;
    });
    QTRY_VERIFY(done);
    QVERIFY(members.isEmpty());
}

LEDGERWELL_TEST(SharingTest)
#include "sharing_test.moc"
