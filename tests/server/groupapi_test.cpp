#include "household.h"
#include "support/testrunner.h"

#include <QDateTime>
#include <QJsonArray>
#include <QTest>

#include <memory>

// The group and profile API of a real ledgerwell-server, on SQLite and on PostgreSQL: the role
// claim in the tokens, invitations, account deletion and the self-hoster's "group create".
class GroupApiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();

    void roleClaimFollowsMembershipOnRefresh();
    void profileCarriesTheGroup();
    void invitationByAddressAdmitsOnlyThatAddress();
    void deletionWaitsAndSigningInKeepsTheAccount();
    void groupCreateCommand_data();
    void groupCreateCommand();

private:
    QString role(const QByteArray &token) const;
    QByteArray refreshed(const QString &name);
    std::unique_ptr<Household> m_home;
};

void GroupApiTest::initTestCase_data()
{
    Household::addBackendRows();
}

void GroupApiTest::init()
{
    QString skip;
    m_home = Household::onCurrentBackend(false, &skip);
    if (!skip.isEmpty()) {
        QSKIP(qPrintable(skip));
    }
    QVERIFY(m_home);
}

void GroupApiTest::cleanup()
{
    m_home.reset();
}

QString GroupApiTest::role(const QByteArray &token) const
{
    return Household::claims(token)
        .value("custom")
        .toObject()
        .value("vby")
        .toObject()
        .value("role")
        .toString();
}

// The person's tokens after one refresh.
QByteArray GroupApiTest::refreshed(const QString &name)
{
    Household::Person &p = m_home->person(name);
    const auto reply =
        m_home->http().postJson(m_home->url("/api/v1/realms/varnaby/auth/token/refresh"),
                                {{"refresh_token", QString(p.refresh)}});
    p.access = reply.json().value("access_token").toString().toLatin1();
    p.refresh = reply.json().value("refresh_token").toString().toLatin1();
    return p.access;
}

void GroupApiTest::roleClaimFollowsMembershipOnRefresh()
{
    QCOMPARE(role(m_home->token("ann")), QString("owner"));
    QVERIFY(m_home->signIn("bob"));
    QCOMPARE(role(m_home->person("bob").access), QString("member"));
    QVERIFY(m_home->signIn("cat"));
    const QByteArray before = m_home->person("cat").access;
    QCOMPARE(role(before), QString());
    QVERIFY(m_home->join("cat"));
    // The token in hand keeps its claim until it is refreshed.
    QCOMPARE(role(before), QString());
    QCOMPARE(role(refreshed("cat")), QString("member"));
    HttpTestClient &http = m_home->http();
    QCOMPARE(http.postJson(m_home->url("/account/v1/group/leave"), {}, m_home->token("cat")).status,
             200);
    QCOMPARE(role(refreshed("cat")), QString());
    // Removed by the owner: the same.
    QVERIFY(m_home->signIn("bob"));
    QCOMPARE(http.remove(m_home->url("/account/v1/group/members/" + m_home->person("bob").id),
                         m_home->token("ann"))
                 .status,
             200);
    QCOMPARE(role(refreshed("bob")), QString());
    QCOMPARE(http.get(m_home->url("/account/v1/group"), m_home->token("bob")).status, 404);
}

void GroupApiTest::profileCarriesTheGroup()
{
    HttpTestClient &http = m_home->http();
    const QJsonObject ann =
        http.get(m_home->url("/account/v1/profile"), m_home->token("ann")).json();
    QCOMPARE(ann.value("email").toString(), QString("ann@example.org"));
    QCOMPARE(ann.value("status").toString(), QString("active"));
    const QJsonObject group = ann.value("group").toObject();
    QCOMPARE(group.value("role").toString(), QString("owner"));
    QCOMPARE(group.value("name").toString(), QString("Ann's house"));
    QCOMPARE(group.value("member_count").toInt(), 3);
    const QJsonObject cat =
        http.get(m_home->url("/account/v1/profile"), m_home->token("cat")).json();
    QVERIFY(!cat.contains("group"));
    const QJsonObject full =
        http.get(m_home->url("/account/v1/group"), m_home->token("bob")).json();
    QCOMPARE(full.value("id").toString(), group.value("id").toString());
    QCOMPARE(full.value("max_seats").toInt(), 6);
    const QJsonArray members = full.value("members").toArray();
    QCOMPARE(members.size(), 3);
    QCOMPARE(members.first().toObject().value("role").toString(), QString("owner"));
    QCOMPARE(members.first().toObject().value("account_id").toString(), m_home->person("ann").id);
}

void GroupApiTest::invitationByAddressAdmitsOnlyThatAddress()
{
    const QJsonObject invitation = m_home->invite({{"email", "Cat@Example.org"}});
    QCOMPARE(invitation.value("invited_email").toString(), QString("cat@example.org"));
    QCOMPARE(invitation.value("status").toString(), QString("pending"));
    const QDateTime expires =
        QDateTime::fromString(invitation.value("expires_at").toString(), Qt::ISODateWithMs);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(7).secsTo(expires)) < 120);
    HttpTestClient &http = m_home->http();
    // The owner sees the code; a member sees no pending invitations at all.
    const auto asOwner = http.get(m_home->url("/account/v1/group"), m_home->token("ann")).json();
    QCOMPARE(asOwner.value("pending_invitations").toArray().size(), 1);
    const auto asMember = http.get(m_home->url("/account/v1/group"), m_home->token("bob")).json();
    QCOMPARE(asMember.value("pending_invitations").toArray().size(), 0);

    const QString join = "/account/v1/group/join/" + invitation.value("invite_code").toString();
    QCOMPARE(http.postJson(m_home->url("/account/v1/group/leave"), {}, m_home->token("dan")).status,
             200);
    const auto wrong = http.postJson(m_home->url(join), {}, m_home->token("dan"));
    QCOMPARE(wrong.status, 403);
    QCOMPARE(http.postJson(m_home->url(join), {}, m_home->token("cat")).status, 200);
    const auto again = http.postJson(m_home->url(join), {}, m_home->token("dan"));
    QCOMPARE(again.status, 404);
    QCOMPARE(again.json().value("error").toString(), QString("Invalid or expired invite code."));
}

void GroupApiTest::deletionWaitsAndSigningInKeepsTheAccount()
{
    HttpTestClient &http = m_home->http();
    const QUrl profile = m_home->url("/account/v1/profile");
    // The owner of a group with members is refused.
    QCOMPARE(http.remove(profile, m_home->token("ann")).status, 409);

    QVERIFY(m_home->signIn("bob"));
    const QByteArray otherDevice = m_home->person("bob").access;
    QVERIFY(m_home->signIn("bob"));
    const auto scheduled = http.remove(profile, m_home->person("bob").access);
    QCOMPARE(scheduled.status, 200);
    const QDateTime due = QDateTime::fromString(
        scheduled.json().value("deletion_due_at").toString(), Qt::ISODateWithMs);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(30).secsTo(due)) < 120);
    // Other devices are signed out; this one still reads its profile until it signs out.
    QCOMPARE(http.get(profile, otherDevice).status, 401);
    const auto pending = http.get(profile, m_home->person("bob").access).json();
    QCOMPARE(pending.value("status").toString(), QString("pending_deletion"));

    QVERIFY(m_home->signIn("bob"));
    const auto kept = http.get(profile, m_home->person("bob").access).json();
    QCOMPARE(kept.value("status").toString(), QString("active"));
    QCOMPARE(kept.value("deletion_due_at").toString(), QString());
}

void GroupApiTest::groupCreateCommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("new group") << QStringList{"cat@example.org", "Cat's flat"} << 0
                               << "Created the group 'Cat's flat'";
    QTest::newRow("no such user") << QStringList{"eve@example.org", "Eve's"} << 1
                                  << "no user with the address";
    QTest::newRow("in a group already")
        << QStringList{"bob@example.org", "Bob's"} << 1 << "is in the group 'Ann's house' already";
    QTest::newRow("no name") << QStringList{"cat@example.org", " "} << 2 << "needs a name";
}

void GroupApiTest::groupCreateCommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QByteArray out;
    QByteArray err;
    QCOMPARE(
        m_home->server().runCommand(QStringList{"group", "create"} + arguments, {}, &out, &err),
        exitCode);
    QVERIFY2((out + err).contains(message.toUtf8()), (out + err).constData());
    const QString expectedRole = exitCode == 0 ? "owner" : "";
    if (arguments.first() == "cat@example.org") {
        QVERIFY(m_home->signIn("cat"));
        QCOMPARE(role(m_home->person("cat").access), expectedRole);
    }
}

LEDGERWELL_TEST(GroupApiTest)
#include "groupapi_test.moc"
