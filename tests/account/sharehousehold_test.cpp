#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"
#include "syncinstallation.h"

#include <QTest>
#include <QUrlQuery>
#include <QUuid>

using VarnAccount::AccountSharingService;
using VarnAccount::Group;
using VarnAccount::GroupInvitation;
using VarnAccount::ShareMember;

namespace {

const char *const kAnn = "ann@example.org";
const char *const kBob = "bob@example.org";
const char *const kPassword = "a household password";

} // namespace

// A household through a real ledgerwell-server: Ann owns the group and the "Joint Checking"
// account, Bob joins with an invite code and is given access; each works on an installation of
// their own. On SQLite and on PostgreSQL.
class ShareHouseholdTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();
    void sharedAccountTravelsBothWays();

private:
    QPair<QString, QString> issueTokens(const char *email);
    std::unique_ptr<SyncInstallation> installation(const QString &name, const char *email);
    QString addLine(SyncInstallation &install, const QString &accountId, const QString &payee,
                    qint64 amount);
    QString bobsUserId();
    bool bobJoinsByCode();

    std::unique_ptr<ServerProcess> m_server;
    HttpTestClient m_http;
    std::unique_ptr<SyncInstallation> m_ann;
    std::unique_ptr<SyncInstallation> m_bob;
};

void ShareHouseholdTest::initTestCase_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("postgres");
    QTest::newRow("sqlite") << "sqlite" << QString();
    QTest::newRow("postgresql") << "postgresql" << ServerProcess::postgresUrl();
}

void ShareHouseholdTest::init()
{
    QFETCH_GLOBAL(QString, backend);
    QFETCH_GLOBAL(QString, postgres);
    if (postgres.isEmpty() && backend == QLatin1String("postgresql")) {
        QSKIP("no PostgreSQL server (run through scripts/with-postgres.sh)");
    }
    m_server = std::make_unique<ServerProcess>(postgres);
    QVERIFY(m_server->addUser(kAnn, kPassword, QStringLiteral("Ann")));
    QVERIFY(m_server->addUser(kBob, kPassword, QStringLiteral("Bob")));
    QByteArray err;
    QCOMPARE(
        m_server->runCommand({"group", "create", kAnn, "The Harbour House"}, {}, nullptr, &err), 0);
    QVERIFY(m_server->start());
    m_ann = installation(QStringLiteral("ann"), kAnn);
    m_bob = installation(QStringLiteral("bob"), kBob);
    QVERIFY(m_ann->isReady() && m_bob->isReady());
}

void ShareHouseholdTest::cleanup()
{
    m_ann.reset();
    m_bob.reset();
    m_server.reset();
}

QPair<QString, QString> ShareHouseholdTest::issueTokens(const char *email)
{
    QUrl form = m_server->baseUrl();
    form.setPath(QStringLiteral("/varnaby/account/login"));
    const auto posted = m_http.postForm(form, {{"client_id", "c"},
                                               {"redirect_uri", "http://localhost:1/callback"},
                                               {"email", QString::fromLatin1(email)},
                                               {"password", QString::fromLatin1(kPassword)}});
    const QUrlQuery query(QUrl::fromEncoded(posted.location));
    return {query.queryItemValue(QStringLiteral("access_token")),
            query.queryItemValue(QStringLiteral("refresh_token"))};
}

std::unique_ptr<SyncInstallation> ShareHouseholdTest::installation(const QString &name,
                                                                   const char *email)
{
    const QString root = m_server->baseUrl().toString();
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = QStringLiteral("varnaby");
    config.accountApiUrl = root + QStringLiteral("/account/v1");
    config.syncApiUrl = root + QStringLiteral("/ledgerwell/v1");
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("org.example.Ledgerwell");
    config.appVersion = QStringLiteral("1.0.4");
    auto install = std::make_unique<SyncInstallation>(name, config);
    const auto [access, refresh] = issueTokens(email);
    install->signIn(access, refresh);
    return install;
}

QString ShareHouseholdTest::addLine(SyncInstallation &install, const QString &accountId,
                                    const QString &payee, qint64 amount)
{
    Transaction t;
    t.accountId = accountId;
    t.date = QDate(2026, 11, 20);
    t.payee = payee;
    t.amount = amount;
    if (!install.transactionService()->add(t)) {
        return QString();
    }
    return install
        .scalar(QStringLiteral("SELECT id FROM transactions WHERE payee = ? AND account_id = ?"),
                {payee, accountId})
        .toString();
}

bool ShareHouseholdTest::bobJoinsByCode()
{
    GroupInvitation invitation;
    bool invited = false;
    m_ann->client()->accountClient()->generateInviteCode([&](const GroupInvitation &i) {
        invitation = i;
        invited = true;
    });
    if (!QTest::qWaitFor([&] { return invited; }, 30000) || invitation.inviteCode.isEmpty()) {
        return false;
    }
    std::optional<bool> joined;
    m_bob->client()->accountClient()->joinGroup(invitation.inviteCode,
                                                [&](bool ok) { joined = ok; });
    return QTest::qWaitFor([&] { return joined.has_value(); }, 30000) && *joined;
}

QString ShareHouseholdTest::bobsUserId()
{
    Group group;
    bool done = false;
    m_ann->client()->accountClient()->getGroup([&](const Group &g) {
        group = g;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 30000)) {
        return QString();
    }
    for (const VarnAccount::GroupMember &member : group.members) {
        if (member.email == QLatin1String(kBob)) {
            return member.accountId;
        }
    }
    return QString();
}

void ShareHouseholdTest::sharedAccountTravelsBothWays()
{
    QVERIFY(bobJoinsByCode());
    const QString bob = bobsUserId();
    QVERIFY(!bob.isEmpty());

    Account joint;
    joint.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    joint.name = QStringLiteral("Joint Checking");
    joint.type = AccountType::Checking;
    joint.currency = Currency::USD;
    QVERIFY(m_ann->accountService()->create(joint, QDate(2026, 11, 1)));
    QVERIFY(!addLine(*m_ann, joint.id, QStringLiteral("Rent"), -150000).isEmpty());
    QVERIFY(m_ann->sync());

    AccountSharingService sharing(m_ann->client()->syncApi());
    std::optional<QString> shareError;
    sharing.shareWith(joint.id, bob, QStringLiteral("member"),
                      [&](bool ok, const QString &error) { shareError = ok ? QString() : error; });
    QTRY_VERIFY_WITH_TIMEOUT(shareError.has_value(), 30000);
    QVERIFY2(shareError->isEmpty(), qPrintable(*shareError));
    QList<ShareMember> members;
    bool listed = false;
    sharing.listMembers(joint.id, [&](const QList<ShareMember> &list) {
        members = list;
        listed = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(listed, 30000);
    QCOMPARE(members.size(), 2);

    // Bob's next sync brings the account, marked shared, with Ann's line.
    QVERIFY(m_bob->sync());
    auto shared = m_bob->accounts()->findById(joint.id);
    QVERIFY(shared);
    QCOMPARE(shared->name, QStringLiteral("Joint Checking"));
    QVERIFY(shared->isShared);
    QVERIFY(!shared->deletedAt);
    QCOMPARE(m_bob
                 ->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = ? "
                                         "AND payee = 'Rent' AND deleted_at IS NULL"),
                          {joint.id})
                 .toInt(),
             1);

    // Bob's line reaches Ann.
    const QString groceries = addLine(*m_bob, joint.id, QStringLiteral("Groceries"), -4210);
    QVERIFY(!groceries.isEmpty());
    QVERIFY(m_bob->sync());
    QCOMPARE(m_bob->engine()->counts().pushed.value(QStringLiteral("transaction")), 1);
    QVERIFY(m_ann->sync());
    const auto line = m_ann->transactions()->findById(groceries);
    QVERIFY(line);
    QCOMPARE(line->amount, qint64(-4210));
    QCOMPARE(line->accountId, joint.id);

    // Ann takes the access away; what Bob typed meanwhile is refused and the account leaves
    // his installation.
    std::optional<bool> removed;
    sharing.removeShare(joint.id, bob, [&](bool ok) { removed = ok; });
    QTRY_VERIFY_WITH_TIMEOUT(removed.has_value(), 30000);
    QVERIFY(*removed);
    const QString late = addLine(*m_bob, joint.id, QStringLiteral("Late coffee"), -380);
    QVERIFY(!late.isEmpty());
    QVERIFY(m_bob->sync());
    QCOMPARE(m_bob->engine()->counts().rejected.value(QStringLiteral("transaction")), 1);
    const QList<Account> bobsAccounts = m_bob->accounts()->findAll();
    QVERIFY(std::none_of(bobsAccounts.cbegin(), bobsAccounts.cend(),
                         [&](const Account &a) { return a.id == joint.id; }));
    QVERIFY(m_ann->sync());
    QVERIFY(!m_ann->transactions()->findById(late));
    QVERIFY(m_ann->accounts()->findById(joint.id));
}

LEDGERWELL_TEST(ShareHouseholdTest)
#include "sharehousehold_test.moc"
