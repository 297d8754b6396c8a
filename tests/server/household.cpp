#include "household.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QUrlQuery>

Household::Household(const QString &postgresUrl)
    : m_server(std::make_unique<ServerProcess>(postgresUrl))
    , m_joint(QStringLiteral("6f1c2a3b-0000-4000-8000-00000000a001"))
{
    for (const char *name : {"ann", "bob", "cat", "dan"}) {
        const QString n = QString::fromLatin1(name);
        m_people.insert(
            n, {n + QStringLiteral("@example.org"), n + QStringLiteral("'s password"), {}, {}, {}});
    }
}

void Household::addBackendRows()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("postgres");
    QTest::newRow("sqlite") << QStringLiteral("sqlite") << QString();
    QTest::newRow("postgresql") << QStringLiteral("postgresql") << ServerProcess::postgresUrl();
}

std::unique_ptr<Household> Household::onCurrentBackend(bool jointAccount, QString *skip)
{
    QFETCH_GLOBAL(QString, backend);
    QFETCH_GLOBAL(QString, postgres);
    if (postgres.isEmpty() && backend == QLatin1String("postgresql")) {
        *skip = QStringLiteral("LEDGERWELL_TEST_POSTGRES_URL is not set (scripts/test.sh sets it)");
        return nullptr;
    }
    auto home = std::make_unique<Household>(postgres);
    return home->setUp(jointAccount) ? std::move(home) : nullptr;
}

QUrl Household::url(const QString &path) const
{
    QUrl u = m_server->baseUrl();
    u.setPath(path);
    return u;
}

QJsonObject Household::claims(const QByteArray &accessToken)
{
    return QJsonDocument::fromJson(QByteArray::fromBase64(accessToken.split('.').value(1),
                                                          QByteArray::Base64UrlEncoding))
        .object();
}

bool Household::signIn(const QString &name)
{
    Person &p = m_people[name];
    const auto reply =
        m_http.postForm(url(QStringLiteral("/varnaby/account/login")),
                        {{QStringLiteral("client_id"), QStringLiteral("test")},
                         {QStringLiteral("redirect_uri"), QStringLiteral("http://localhost:1/cb")},
                         {QStringLiteral("email"), p.email},
                         {QStringLiteral("password"), p.password}});
    const QUrlQuery query(QUrl::fromEncoded(reply.location));
    p.access = query.queryItemValue(QStringLiteral("access_token")).toLatin1();
    p.refresh = query.queryItemValue(QStringLiteral("refresh_token")).toLatin1();
    p.id = claims(p.access).value(QStringLiteral("sub")).toString();
    return reply.status == 302 && !p.access.isEmpty();
}

QByteArray Household::token(const QString &name)
{
    Person &p = m_people[name];
    const QUrl me = url(QStringLiteral("/api/v1/realms/varnaby/users/me"));
    if (p.access.isEmpty() || m_http.get(me, p.access).status != 200) {
        signIn(name);
    }
    return p.access;
}

bool Household::setUp(bool jointAccount)
{
    m_jointAccount = jointAccount;
    for (const Person &p : std::as_const(m_people)) {
        if (!m_server->addUser(p.email, p.password, p.email.section(QLatin1Char('@'), 0, 0))) {
            return false;
        }
    }
    if (m_server->runCommand({QStringLiteral("group"), QStringLiteral("create"),
                              m_people[QStringLiteral("ann")].email, QStringLiteral("Ann's house")},
                             {}) != 0 ||
        !m_server->start()) {
        return false;
    }
    if (!jointAccount) {
        return ensureMembers();
    }
    const QJsonObject account{{QStringLiteral("entity_type"), QStringLiteral("account")},
                              {QStringLiteral("entity_id"), m_joint},
                              {QStringLiteral("action"), QStringLiteral("upsert")},
                              {QStringLiteral("version"), 1},
                              {QStringLiteral("payload"),
                               QJsonObject{{QStringLiteral("client_id"), m_joint},
                                           {QStringLiteral("name"), QStringLiteral("Joint")}}}};
    const auto pushed =
        m_http.postJson(url(QStringLiteral("/ledgerwell/v1/sync/push")),
                        {{QStringLiteral("changes"), QJsonArray{account}}}, token("ann"));
    return pushed.status == 200 && restore();
}

QJsonObject Household::invite(const QJsonObject &body)
{
    const auto reply =
        m_http.postJson(url(QStringLiteral("/account/v1/group/invite")), body, token("ann"));
    return reply.status == 201 ? reply.json() : QJsonObject();
}

bool Household::join(const QString &name)
{
    const QString code = invite().value(QStringLiteral("invite_code")).toString();
    return !code.isEmpty() &&
           m_http.postJson(url(QStringLiteral("/account/v1/group/join/") + code), {}, token(name))
                   .status == 200;
}

bool Household::share(const QString &name, const QString &role)
{
    token(name); // knows the person's id
    return m_http
               .postJson(
                   url(QStringLiteral("/ledgerwell/v1/accounts/%1/share").arg(m_joint)),
                   {{QStringLiteral("user_id"), m_people[name].id}, {QStringLiteral("role"), role}},
                   token(QStringLiteral("ann")))
               .status == 200;
}

bool Household::ensureMembers()
{
    const auto group = m_http.get(url(QStringLiteral("/account/v1/group")), token("ann"));
    QStringList members;
    for (const QJsonValue &m : group.json().value(QStringLiteral("members")).toArray()) {
        members << m.toObject().value(QStringLiteral("account_id")).toString();
    }
    // Invitations left over hold seats.
    for (const QJsonValue &i :
         group.json().value(QStringLiteral("pending_invitations")).toArray()) {
        const QString id = i.toObject().value(QStringLiteral("id")).toString();
        if (m_http.remove(url(QStringLiteral("/account/v1/group/invitations/") + id), token("ann"))
                .status != 200) {
            return false;
        }
    }
    for (const QString &name : {QStringLiteral("bob"), QStringLiteral("dan")}) {
        token(name);
        if (!members.contains(m_people[name].id) && !join(name)) {
            return false;
        }
    }
    token(QStringLiteral("cat"));
    const QString cat = m_people[QStringLiteral("cat")].id;
    return !members.contains(cat) ||
           m_http.remove(url(QStringLiteral("/account/v1/group/members/") + cat), token("ann"))
                   .status == 200;
}

bool Household::restore()
{
    return ensureMembers() &&
           (!m_jointAccount || (share(QStringLiteral("bob")) && share(QStringLiteral("dan"))));
}
