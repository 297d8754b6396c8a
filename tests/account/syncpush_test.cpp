#include "data/datetimes.h"
#include "data/identifiers.h"
#include "scriptedserver.h"
#include "support/testrunner.h"
#include "syncinstallation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

// A token the client reads as valid for an hour; the scripted server never checks it.
QString unsignedToken()
{
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QJsonObject claims{{"sub", "ann"}, {"exp", QDateTime::currentSecsSinceEpoch() + 3600}};
    return QString::fromLatin1(QByteArray(R"({"alg":"HS256","typ":"JWT"})").toBase64(b64) + '.' +
                               QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(b64) +
                               ".c2lnbmF0dXJl");
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray emptyPage()
{
    return json({{"server_time", "1"}, {"has_more", false}});
}

QJsonObject rejected(const QString &id)
{
    return {{"status", "error"},
            {"entity_type", "transaction"},
            {"entity_id", id},
            {"server_id", ""},
            {"message", "refused"}};
}

} // namespace

// The push of many pending rows goes a batch at a time: each batch is read from the database
// when it is sent (not the whole table at the start), and a row left pending by the server is
// not sent again in the same cycle.
class SyncPushTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void laterBatchIsReadWhenSent_data();
    void laterBatchIsReadWhenSent();
    void rejectedRowsAreNotSentTwice();

private:
    // An account and `lines` transactions, all pending; the ids in push order.
    QStringList insertPending(int lines);
    QList<QJsonArray> pushedBatches() const;

    std::unique_ptr<ScriptedServer> m_server;
    std::unique_ptr<SyncInstallation> m_install;
};

void SyncPushTest::init()
{
    m_server = std::make_unique<ScriptedServer>();
    const QString root = QStringLiteral("http://127.0.0.1:%1").arg(m_server->port());
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = "varnaby";
    config.accountApiUrl = root + "/account/v1";
    config.syncApiUrl = root + "/ledgerwell/v1";
    config.appId = "org.example.Ledgerwell";
    m_install = std::make_unique<SyncInstallation>(QStringLiteral("push"), config);
    QVERIFY(m_install->isReady());
    m_install->signIn(unsignedToken(), "refresh");
}

void SyncPushTest::cleanup()
{
    m_install.reset();
    m_server.reset();
}

QStringList SyncPushTest::insertPending(int lines)
{
    Account account;
    account.id = Identifiers::newId();
    account.name = QStringLiteral("Checking");
    account.createdAt = account.updatedAt = DateTimes::nowUtc();
    QStringList ids{account.id};
    m_install->database()->inTransaction([&] {
        m_install->accounts()->insert(account);
        for (int i = 0; i < lines; ++i) {
            Transaction t;
            t.id = Identifiers::newId();
            t.accountId = account.id;
            t.date = QDate(2024, 6, 1);
            t.payee = QStringLiteral("Line %1").arg(i);
            t.amount = -100 - i;
            t.createdAt = t.updatedAt = DateTimes::nowUtc();
            m_install->transactions()->insert(t);
            ids << t.id;
        }
        return true;
    });
    return ids;
}

QList<QJsonArray> SyncPushTest::pushedBatches() const
{
    QList<QJsonArray> batches;
    for (const ScriptedServer::Request &request : m_server->requests()) {
        if (request.method == "POST") {
            batches << QJsonDocument::fromJson(request.body)["changes"].toArray();
        }
    }
    return batches;
}

void SyncPushTest::laterBatchIsReadWhenSent_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("version");
    QTest::newRow("untouched") << "none"
                               << "Line 1099"
                               << "upsert" << 1;
    QTest::newRow("edited") << "edit"
                            << "Edited meanwhile"
                            << "upsert" << 2;
    QTest::newRow("deleted") << "delete"
                             << "Line 1099"
                             << "delete" << 2;
}

void SyncPushTest::laterBatchIsReadWhenSent()
{
    QFETCH(QString, change);
    QFETCH(QString, payee);
    QFETCH(QString, action);
    QFETCH(int, version);
    const QStringList ids = insertPending(1233);
    // Place 1100 of the push order: the third batch.
    const QString late = ids.at(1100);
    const QByteArray none = json({{"results", QJsonArray()}});
    m_server->script({{200, none}, {200, none}, {200, none}, {200, emptyPage()}});
    QSignalSpy completed(m_install->engine(), &SyncEngine::syncCompleted);
    m_install->engine()->syncNow();
    // The first batch is on its way (its answer cannot arrive before the event loop runs) when
    // a row of the third one changes.
    QCOMPARE(m_server->requests().size(), 0);
    if (change == "edit") {
        Transaction edited = *m_install->transactions()->findById(late);
        edited.payee = payee;
        QVERIFY(m_install->transactionService()->update(edited));
    } else if (change == "delete") {
        QVERIFY(m_install->transactions()->softDelete(late));
    }
    QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 1, 60000);
    const QList<QJsonArray> batches = pushedBatches();
    QCOMPARE(batches.size(), 3);
    QCOMPARE(batches.at(0).size(), 500);
    QCOMPARE(batches.at(1).size(), 500);
    QCOMPARE(batches.at(2).size(), 234);
    const QJsonObject sent = batches.at(2).at(100).toObject();
    QCOMPARE(sent["entity_id"].toString(), late);
    QCOMPARE(sent["payload"]["payee"].toString(), payee);
    QCOMPARE(sent["action"].toString(), action);
    QCOMPARE(sent["version"].toInt(), version);
}

void SyncPushTest::rejectedRowsAreNotSentTwice()
{
    const QStringList ids = insertPending(1233);
    // The server refuses the first and the last row of the first batch; they stay pending.
    const QByteArray refusal =
        json({{"results", QJsonArray{rejected(ids.at(1)), rejected(ids.at(499))}}});
    const QByteArray none = json({{"results", QJsonArray()}});
    m_server->script({{200, refusal}, {200, none}, {200, none}, {200, emptyPage()}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push result not ok"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push result not ok"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push batch: 0 ok, 2 errors"));
    QVERIFY(m_install->sync(60000));
    QStringList sent;
    QList<int> sizes;
    for (const QJsonArray &batch : pushedBatches()) {
        sizes << int(batch.size());
        for (const QJsonValue &change : batch) {
            sent << change["entity_id"].toString();
        }
    }
    QCOMPARE(sizes, (QList<int>{500, 500, 234}));
    QCOMPARE(sent, ids);
    QCOMPARE(m_install->engine()->counts().rejected.value("transaction"), 2);
    QCOMPARE(m_install->transactions()->findById(ids.at(1))->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_install->transactions()->findById(ids.at(499))->syncStatus, SyncStatus::Pending);
}

LEDGERWELL_TEST(SyncPushTest)
#include "syncpush_test.moc"
