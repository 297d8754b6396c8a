#include "server/groupstore.h"
#include "server/passwordhasher.h"
#include "server/sharestore.h"
#include "server/storage.h"
#include "server/syncstore.h"
#include "server/userstore.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"

#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// One change as the program pushes it.
QJsonObject change(const QString &type, const QString &id, const QString &accountId,
                   int version = 1, bool deleted = false, const QString &payee = "Payee")
{
    QJsonObject payload{{"client_id", id}, {"payee", payee}, {"name", payee}};
    if (type != "account") {
        payload.insert("account_id", accountId);
    }
    if (deleted) {
        payload.insert("deleted_at", "2026-03-01T10:00:00Z");
    }
    return {{"entity_type", type},
            {"entity_id", id},
            {"action", deleted ? "delete" : "upsert"},
            {"version", version},
            {"payload", payload}};
}

// A PostgreSQL database of its own for one case, dropped afterwards.
class PostgresDatabase
{
public:
    explicit PostgresDatabase(const QString &serverUrl)
        : m_serverUrl(serverUrl)
        , m_name("lw_" + QUuid::createUuid().toString(QUuid::Id128).left(16))
    {
        run("CREATE DATABASE " + m_name);
    }
    ~PostgresDatabase() { run("DROP DATABASE IF EXISTS " + m_name); }
    QString url() const
    {
        QUrl url(m_serverUrl);
        url.setPath("/" + m_name);
        return url.toString();
    }

private:
    void run(const QString &sql)
    {
        const QString connection = "admin-" + m_name;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", connection);
            const QUrl url(m_serverUrl);
            db.setHostName(url.host());
            db.setPort(url.port(5432));
            db.setUserName(url.userName());
            db.setDatabaseName("postgres");
            if (!db.open() || !QSqlQuery(db).exec(sql)) {
                qWarning("cannot run %s", qPrintable(sql));
            }
        }
        QSqlDatabase::removeDatabase(connection);
    }

    QString m_serverUrl;
    QString m_name;
};

} // namespace

// The household stores on their own, on SQLite and on PostgreSQL: groups and invitations, shares,
// and what a member's pushes and pulls do with a shared account.
class SharingStoresTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initTestCase_data();
    void init();
    void cleanup();

    void joinOutcomes_data();
    void joinOutcomes();
    void invitationsCountAgainstSeats();
    void roleFollowsMembership();
    void shareHandsOutOlderRows_data();
    void shareHandsOutOlderRows();
    void revocationDeletesOnceAndRefusesPushes();
    void memberPushes_data();
    void memberPushes();
    void leavingEndsEveryShare();
    void purgeRemovesTheUserAndTheirShares_data();
    void purgeRemovesTheUserAndTheirShares();
    void upgradeFillsAccountIds();

private:
    void reopen();
    QJsonArray push(const QString &userId, const QJsonArray &changes);
    // Pulls the whole feed after `cursor` in pages of `limit`; `cursor` moves to the end.
    QJsonArray pullAll(const QString &userId, QString *cursor, int limit = 200);
    QString sharedAccountWithRows(int transactions);
    ShareStore::Account ownersAccount(const QString &clientId) const;
    QVariant scalar(const QString &sql, const QVariantList &values = {}) const;

    QTemporaryDir m_dir;
    std::unique_ptr<PostgresDatabase> m_postgres;
    std::unique_ptr<Storage> m_storage;
    UserRow m_ann; // owns the group and the accounts
    UserRow m_bob; // a member of Ann's group
    UserRow m_cat; // in no group
    GroupRow m_group;
};

void SharingStoresTest::initTestCase()
{
    QVERIFY(PasswordHasher::initialize());
}

void SharingStoresTest::initTestCase_data()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << "sqlite";
    QTest::newRow("postgresql") << "postgresql";
}

void SharingStoresTest::init()
{
    QFETCH_GLOBAL(QString, backend);
    if (backend == "postgresql") {
        if (ServerProcess::postgresUrl().isEmpty()) {
            QSKIP("LEDGERWELL_TEST_POSTGRES_URL is not set (scripts/test.sh sets it)");
        }
        m_postgres = std::make_unique<PostgresDatabase>(ServerProcess::postgresUrl());
    }
    QVERIFY(m_dir.isValid());
    reopen();
    const UserStore users(*m_storage);
    m_ann = *users.add("ann@example.org", "Ann", "hash");
    m_bob = *users.add("bob@example.org", "Bob", "hash");
    m_cat = *users.add("cat@example.org", "", "hash");
    const GroupStore groups(*m_storage);
    m_group = *groups.create(m_ann.id, "Ann's house");
    QString error;
    const auto invitation = groups.invite(m_group.id, QString(), &error);
    QVERIFY(invitation);
    QCOMPARE(groups.join(invitation->inviteCode, m_bob), GroupStore::Join::Joined);
}

void SharingStoresTest::reopen()
{
    m_storage = std::make_unique<Storage>();
    QString error;
    QVERIFY2(m_storage->open(m_dir.path(), m_postgres ? m_postgres->url() : QString(), &error),
             qPrintable(error));
}

void SharingStoresTest::cleanup()
{
    m_storage.reset();
    m_postgres.reset();
    QFile::remove(m_dir.filePath("ledgerwell-server.db"));
    QFile::remove(m_dir.filePath("ledgerwell-server.db-wal"));
    QFile::remove(m_dir.filePath("ledgerwell-server.db-shm"));
}

QVariant SharingStoresTest::scalar(const QString &sql, const QVariantList &values) const
{
    QVariant value;
    m_storage->select(sql, values, "test", [&](const QSqlQuery &q) { value = q.value(0); });
    return value;
}

QJsonArray SharingStoresTest::push(const QString &userId, const QJsonArray &changes)
{
    const auto results = SyncStore(*m_storage).push(userId, changes);
    return results ? *results : QJsonArray();
}

QJsonArray SharingStoresTest::pullAll(const QString &userId, QString *cursor, int limit)
{
    QJsonArray rows;
    for (int pages = 0; pages < 1000; ++pages) {
        const auto page = SyncStore(*m_storage).pull(userId, *cursor, limit);
        if (!page) {
            return {};
        }
        for (const QJsonValue &row : page->rows) {
            rows.append(row);
        }
        *cursor = page->cursor;
        if (!page->hasMore) {
            break;
        }
    }
    return rows;
}

// Ann's account "Joint" with its rows, shared with nobody yet; Ann also has a private account.
QString SharingStoresTest::sharedAccountWithRows(int transactions)
{
    const QString joint = newId();
    const QString own = newId();
    QJsonArray changes{change("account", joint, joint, 1, false, "Joint"),
                       change("account", own, own, 1, false, "Private"),
                       change("transaction", "private-tx", own),
                       change("recurring", "joint-rent", joint),
                       change("reconciliation", "joint-statement", joint)};
    for (int i = 0; i < transactions; ++i) {
        changes.append(change("transaction", QString("joint-tx-%1").arg(i), joint));
    }
    push(m_ann.id, changes);
    return joint;
}

ShareStore::Account SharingStoresTest::ownersAccount(const QString &clientId) const
{
    return ShareStore(*m_storage).resolve(m_ann.id, clientId);
}

void SharingStoresTest::joinOutcomes_data()
{
    QTest::addColumn<QString>("invitedEmail");
    QTest::addColumn<QString>("before"); // what happens to the invitation first
    QTest::addColumn<QString>("joiner");
    QTest::addColumn<int>("outcome");
    const int joined = int(GroupStore::Join::Joined);
    const int unknown = int(GroupStore::Join::UnknownCode);
    QTest::newRow("code") << ""
                          << ""
                          << "cat" << joined;
    QTest::newRow("code typed in lower case") << ""
                                              << "lower"
                                              << "cat" << joined;
    QTest::newRow("unknown code") << ""
                                  << "garble"
                                  << "cat" << unknown;
    QTest::newRow("run out after seven days") << ""
                                              << "expire"
                                              << "cat" << unknown;
    QTest::newRow("revoked") << ""
                             << "revoke"
                             << "cat" << unknown;
    QTest::newRow("used once already") << ""
                                       << "use"
                                       << "cat" << unknown;
    QTest::newRow("for this address") << "Cat@Example.org"
                                      << ""
                                      << "cat" << joined;
    QTest::newRow("for another address") << "dan@example.org"
                                         << ""
                                         << "cat" << int(GroupStore::Join::OtherAddress);
    QTest::newRow("in a group already") << ""
                                        << ""
                                        << "bob" << int(GroupStore::Join::AlreadyInGroup);
    QTest::newRow("no free seat") << ""
                                  << "fill"
                                  << "cat" << int(GroupStore::Join::GroupFull);
}

void SharingStoresTest::joinOutcomes()
{
    QFETCH(QString, invitedEmail);
    QFETCH(QString, before);
    QFETCH(QString, joiner);
    QFETCH(int, outcome);
    const GroupStore groups(*m_storage);
    QString error;
    const auto invitation = groups.invite(m_group.id, invitedEmail, &error);
    QVERIFY(invitation);
    QCOMPARE(invitation->inviteCode.size(), 8);
    QString code = invitation->inviteCode;
    if (before == "lower") {
        code = code.toLower();
    } else if (before == "garble") {
        code = code == "AAAAAAAA" ? "BBBBBBBB" : "AAAAAAAA";
    } else if (before == "expire") {
        QVERIFY(m_storage->exec(
            "UPDATE group_invitations SET expires_at = ? WHERE id = ?",
            {QDateTime::currentDateTimeUtc().addSecs(-1).toString(Qt::ISODateWithMs),
             invitation->id},
            "test"));
    } else if (before == "revoke") {
        QVERIFY(groups.revokeInvitation(m_group.id, invitation->id));
    } else if (before == "use") {
        const UserRow dan = *UserStore(*m_storage).add("dan@example.org", "", "hash");
        QCOMPARE(groups.join(code, dan), GroupStore::Join::Joined);
    } else if (before == "fill") {
        QVERIFY(m_storage->exec("UPDATE user_groups SET max_seats = 2", {}, "test"));
    }
    const UserRow user = joiner == "bob" ? m_bob : m_cat;
    QCOMPARE(int(groups.join(code, user)), outcome);
    const bool isIn = groups.roleOf(user.id) == "member";
    QCOMPARE(isIn, joiner == "bob" || outcome == int(GroupStore::Join::Joined));
}

void SharingStoresTest::invitationsCountAgainstSeats()
{
    const GroupStore groups(*m_storage);
    QString error;
    // Ann and Bob hold two of six seats: four invitations fit, a fifth does not.
    QList<InvitationRow> invitations;
    for (int i = 0; i < 4; ++i) {
        const auto invitation = groups.invite(m_group.id, QString(), &error);
        QVERIFY(invitation);
        invitations.append(*invitation);
    }
    QVERIFY(!groups.invite(m_group.id, QString(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(groups.pendingInvitations(m_group.id).size(), 4);
    const QDateTime expires =
        QDateTime::fromString(invitations.first().expiresAt, Qt::ISODateWithMs);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().addDays(7).secsTo(expires)) < 60);
    // A revoked invitation frees its seat.
    QVERIFY(groups.revokeInvitation(m_group.id, invitations.first().id));
    QVERIFY(!groups.revokeInvitation(m_group.id, invitations.first().id));
    QVERIFY(groups.invite(m_group.id, "dan@example.org", &error));
    QCOMPARE(groups.members(m_group.id).size(), 2);
    QCOMPARE(groups.members(m_group.id).first().role, QString("owner"));
}

void SharingStoresTest::roleFollowsMembership()
{
    const GroupStore groups(*m_storage);
    QCOMPARE(groups.roleOf(m_ann.id), QString("owner"));
    QCOMPARE(groups.roleOf(m_bob.id), QString("member"));
    QCOMPARE(groups.roleOf(m_cat.id), QString());
    QVERIFY(groups.sameGroup(m_ann.id, m_bob.id));
    QVERIFY(!groups.sameGroup(m_ann.id, m_cat.id));
    // The owner is never removed as a member; a group of one's own is refused while in one.
    QVERIFY(!groups.removeMember(m_group.id, m_ann.id));
    QVERIFY(!groups.create(m_bob.id, "Bob's"));
    QVERIFY(groups.removeMember(m_group.id, m_bob.id));
    QCOMPARE(groups.roleOf(m_bob.id), QString());
    QVERIFY(groups.create(m_bob.id, "Bob's"));
    QCOMPARE(groups.roleOf(m_bob.id), QString("owner"));
}

void SharingStoresTest::shareHandsOutOlderRows_data()
{
    QTest::addColumn<int>("limit");
    QTest::newRow("one row a page") << 1;
    QTest::newRow("three a page") << 3;
    QTest::newRow("all at once") << 200;
}

void SharingStoresTest::shareHandsOutOlderRows()
{
    QFETCH(int, limit);
    const QString joint = sharedAccountWithRows(6);
    // Bob's own rows come later, so his cursor is past every row of Ann's.
    push(m_bob.id, {change("account", "bobs-account", "bobs-account")});
    QString cursor;
    QCOMPARE(pullAll(m_bob.id, &cursor).size(), 1);
    QVERIFY(ShareStore(*m_storage).share(ownersAccount(joint), m_bob.id, "member"));

    const QJsonArray rows = pullAll(m_bob.id, &cursor, limit);
    QStringList ids;
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        ids << row.value("client_id").toString();
        QVERIFY(!row.contains("deleted_at"));
        if (row.value("entity_type") == "account") {
            QCOMPARE(row.value("is_shared").toInt(), 1);
        }
    }
    ids.sort();
    QStringList expected{joint, "joint-rent", "joint-statement"};
    for (int i = 0; i < 6; ++i) {
        expected << QString("joint-tx-%1").arg(i);
    }
    expected.sort();
    QCOMPARE(ids, expected); // each once, nothing of Ann's private account
    QCOMPARE(pullAll(m_bob.id, &cursor).size(), 0);

    // Later changes of Ann's arrive one by one; Ann sees the account as shared.
    push(m_ann.id, {change("transaction", "joint-tx-2", joint, 2, false, "Edited")});
    const QJsonArray later = pullAll(m_bob.id, &cursor, limit);
    QCOMPARE(later.size(), 1);
    QCOMPARE(later.first().toObject().value("payee").toString(), QString("Edited"));
    QString annCursor;
    for (const QJsonValue &value : pullAll(m_ann.id, &annCursor)) {
        const QJsonObject row = value.toObject();
        if (row.value("entity_type") == "account") {
            QCOMPARE(row.value("is_shared").toInt(), row.value("client_id") == joint ? 1 : 0);
        }
    }
}

void SharingStoresTest::revocationDeletesOnceAndRefusesPushes()
{
    const QString joint = sharedAccountWithRows(3);
    const ShareStore shares(*m_storage);
    QVERIFY(shares.share(ownersAccount(joint), m_bob.id, "member"));
    QString cursor;
    QCOMPARE(pullAll(m_bob.id, &cursor).size(), 6);
    QString annCursor;
    pullAll(m_ann.id, &annCursor);

    bool found = false;
    QVERIFY(shares.unshare(ownersAccount(joint), m_bob.id, &found));
    QVERIFY(!shares.unshare(ownersAccount(joint), m_bob.id, &found));
    QVERIFY(!found);
    const QJsonArray gone = pullAll(m_bob.id, &cursor, 2);
    QCOMPARE(gone.size(), 6);
    for (const QJsonValue &row : gone) {
        QVERIFY(!row.toObject().value("deleted_at").toString().isEmpty());
    }
    QCOMPARE(pullAll(m_bob.id, &cursor).size(), 0);
    // Ann's devices learn that the account is no longer shared.
    const QJsonArray annRows = pullAll(m_ann.id, &annCursor);
    QCOMPARE(annRows.size(), 1);
    QCOMPARE(annRows.first().toObject().value("is_shared").toInt(), 0);

    // Bob's device echoes the deletions (accepted, nothing stored); anything else is refused.
    const QJsonArray results =
        push(m_bob.id, {change("transaction", "joint-tx-0", joint, 1, true),
                        change("transaction", "joint-tx-1", joint, 2, false, "Sneaky"),
                        change("transaction", "new-after-revoke", joint),
                        change("account", joint, joint, 2, false, "Mine now")});
    QCOMPARE(results.at(0).toObject().value("status").toString(), QString("ok"));
    for (int i = 1; i < 4; ++i) {
        QCOMPARE(results.at(i).toObject().value("status").toString(), QString("forbidden"));
    }
    QCOMPARE(scalar("SELECT COUNT(*) FROM sync_rows WHERE user_id = ?", {m_bob.id}).toInt(), 0);
    QCOMPARE(scalar("SELECT COUNT(*) FROM sync_rows WHERE user_id = ? AND deleted = 1", {m_ann.id})
                 .toInt(),
             0);
    QCOMPARE(pullAll(m_ann.id, &annCursor).size(), 0);
}

void SharingStoresTest::memberPushes_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("status");
    QTest::newRow("new transaction") << "member"
                                     << "transaction"
                                     << "bobs-new" << false << 1 << "ok";
    QTest::newRow("edit the owner's") << "member"
                                      << "transaction"
                                      << "joint-tx-0" << false << 2 << "ok";
    QTest::newRow("delete the owner's") << "member"
                                        << "transaction"
                                        << "joint-tx-0" << true << 2 << "ok";
    QTest::newRow("edit the recurring entry") << "member"
                                              << "recurring"
                                              << "joint-rent" << false << 2 << "ok";
    QTest::newRow("rename the account") << "member"
                                        << "account"
                                        << "JOINT" << false << 2 << "ok";
    QTest::newRow("delete the account") << "member"
                                        << "account"
                                        << "JOINT" << true << 2 << "forbidden";
    QTest::newRow("older version") << "member"
                                   << "transaction"
                                   << "joint-tx-0" << false << 0 << "conflict";
    QTest::newRow("move a private row in") << "member"
                                           << "transaction"
                                           << "private-tx" << false << 2 << "forbidden";
    QTest::newRow("viewer edits") << "viewer"
                                  << "transaction"
                                  << "joint-tx-0" << false << 2 << "forbidden";
    QTest::newRow("viewer adds") << "viewer"
                                 << "transaction"
                                 << "bobs-new" << false << 1 << "forbidden";
}

void SharingStoresTest::memberPushes()
{
    QFETCH(QString, role);
    QFETCH(QString, type);
    QFETCH(QString, id);
    QFETCH(bool, deleted);
    QFETCH(int, version);
    QFETCH(QString, status);
    const QString joint = sharedAccountWithRows(1);
    QVERIFY(ShareStore(*m_storage).share(ownersAccount(joint), m_bob.id, role));
    const QString entityId = id == "JOINT" ? joint : id;
    QString annCursor;
    pullAll(m_ann.id, &annCursor);

    const QJsonArray results =
        push(m_bob.id, {change(type, entityId, joint, version, deleted, "By Bob")});
    QCOMPARE(results.first().toObject().value("status").toString(), status);
    // Whatever Bob may change lands in Ann's rows and her next pull; nothing is Bob's own.
    QCOMPARE(scalar("SELECT COUNT(*) FROM sync_rows WHERE user_id = ?", {m_bob.id}).toInt(), 0);
    const QJsonArray annSees = pullAll(m_ann.id, &annCursor);
    QCOMPARE(annSees.size(), status == "ok" ? 1 : 0);
    if (status == "ok") {
        const QJsonObject row = annSees.first().toObject();
        QCOMPARE(row.value("client_id").toString(), entityId);
        QCOMPARE(row.value("payee").toString(), QString("By Bob"));
        QCOMPARE(row.contains("deleted_at"), deleted);
    }
}

void SharingStoresTest::leavingEndsEveryShare()
{
    const QString joint = sharedAccountWithRows(2);
    const ShareStore shares(*m_storage);
    QVERIFY(shares.share(ownersAccount(joint), m_bob.id, "member"));
    push(m_bob.id, {change("account", "bobs", "bobs")});
    QVERIFY(shares.share(shares.resolve(m_bob.id, "bobs"), m_ann.id, "member"));
    QString bobCursor;
    QString annCursor;
    QCOMPARE(pullAll(m_bob.id, &bobCursor).size(), 6); // his own account and the five shared
    pullAll(m_ann.id, &annCursor);

    QVERIFY(m_storage->transaction([&] {
        return GroupStore(*m_storage).removeMember(m_group.id, m_bob.id) &&
               shares.revokeAllOf(m_bob.id);
    }));
    QCOMPARE(shares.members(ownersAccount(joint)).size(), 1); // the owner alone
    QCOMPARE(shares.resolve(m_bob.id, joint).access, ShareStore::Access::Stranger);
    QCOMPARE(shares.resolve(m_ann.id, "bobs").access, ShareStore::Access::Stranger);
    // Each side's next pull: the other's account gone, its own account no longer shared.
    int deleted = 0;
    for (const QJsonValue &row : pullAll(m_bob.id, &bobCursor)) {
        deleted += row.toObject().contains("deleted_at") ? 1 : 0;
    }
    QCOMPARE(deleted, 5);
    for (const QJsonValue &row : pullAll(m_ann.id, &annCursor)) {
        const QJsonObject object = row.toObject();
        QCOMPARE(object.contains("deleted_at"), object.value("client_id") == "bobs");
        QCOMPARE(object.value("is_shared").toInt(), object.value("client_id") == "bobs" ? 1 : 0);
    }
}

void SharingStoresTest::purgeRemovesTheUserAndTheirShares_data()
{
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("due") << false;
    QTest::newRow("signed in again before") << true;
}

void SharingStoresTest::purgeRemovesTheUserAndTheirShares()
{
    QFETCH(bool, cancelled);
    const QString joint = sharedAccountWithRows(1);
    QVERIFY(ShareStore(*m_storage).share(ownersAccount(joint), m_bob.id, "member"));
    push(m_bob.id, {change("account", "bobs", "bobs")});
    const UserStore users(*m_storage);
    const QString past = QDateTime::currentDateTimeUtc().addSecs(-5).toString(Qt::ISODateWithMs);
    const QString later = QDateTime::currentDateTimeUtc().addDays(30).toString(Qt::ISODateWithMs);
    QVERIFY(users.scheduleDeletion(m_bob.id, past));
    QVERIFY(users.scheduleDeletion(m_cat.id, later));
    QCOMPARE(users.findById(m_bob.id)->deletionDueAt, past);
    if (cancelled) {
        QVERIFY(users.cancelDeletion(m_bob.id));
    }
    QCOMPARE(users.purgeDue(Storage::now()), cancelled ? 0 : 1);
    QCOMPARE(bool(users.findById(m_bob.id)), cancelled);
    QVERIFY(users.findById(m_cat.id)); // not due yet
    const int left = cancelled ? 1 : 0;
    QCOMPARE(scalar("SELECT COUNT(*) FROM sync_rows WHERE user_id = ?", {m_bob.id}).toInt(), left);
    QCOMPARE(scalar("SELECT COUNT(*) FROM account_shares").toInt(), left);
    QCOMPARE(GroupStore(*m_storage).members(m_group.id).size(), 1 + left);
}

// A database from before households: the new tables appear and every synced row learns its
// account.
void SharingStoresTest::upgradeFillsAccountIds()
{
    const QString joint = sharedAccountWithRows(1);
    for (const char *sql :
         {"DROP TABLE account_shares", "DROP TABLE group_invitations", "DROP TABLE group_members",
          "DROP TABLE user_groups", "DROP INDEX sync_rows_account",
          "ALTER TABLE sync_rows DROP COLUMN account_id",
          "ALTER TABLE users DROP COLUMN deletion_due_at",
          "DELETE FROM schema_version WHERE version = 3"}) {
        QVERIFY2(m_storage->exec(QString::fromLatin1(sql), {}, "test"), sql);
    }
    reopen();
    QCOMPARE(scalar("SELECT MAX(version) FROM schema_version").toInt(), 3);
    QCOMPARE(scalar("SELECT account_id FROM sync_rows WHERE client_id = 'joint-tx-0'").toString(),
             joint);
    QCOMPARE(scalar("SELECT account_id FROM sync_rows WHERE client_id = ?", {joint}).toString(),
             joint);
    QCOMPARE(scalar("SELECT COUNT(*) FROM sync_rows WHERE account_id = '' AND entity_type <> "
                    "'category'")
                 .toInt(),
             0);
    QCOMPARE(scalar("SELECT COUNT(*) FROM group_members").toInt(), 0);
}

LEDGERWELL_TEST(SharingStoresTest)
#include "sharingstores_test.moc"
