#include "server/loginlimiter.h"
#include "server/passwordhasher.h"
#include "server/redirectrule.h"
#include "server/tokensigner.h"
#include "support/testrunner.h"

#include <QJsonDocument>
#include <QTest>
#include <QUrlQuery>

// The server's building blocks on their own: password hashes, token signatures, the redirect
// rule and the sign-in limiter.
class ServerPartsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void passwordHashesVerify_data();
    void passwordHashesVerify();
    void tokensVerifyOnlyUntampered_data();
    void tokensVerifyOnlyUntampered();
    void redirectRule_data();
    void redirectRule();
    void redirectKeepsState();
    void limiterBlocksAfterFiveFailuresInAMinute();
};

void ServerPartsTest::initTestCase()
{
    QVERIFY(PasswordHasher::initialize());
}

void ServerPartsTest::passwordHashesVerify_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("attempt");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same") << "correct horse"
                          << "correct horse" << true;
    QTest::newRow("case differs") << "correct horse"
                                  << "Correct horse" << false;
    QTest::newRow("prefix") << "correct horse"
                            << "correct hors" << false;
    QTest::newRow("unicode") << QString::fromUtf8("pässwörd✓") << QString::fromUtf8("pässwörd✓")
                             << true;
    QTest::newRow("empty attempt") << "correct horse"
                                   << "" << false;
}

void ServerPartsTest::passwordHashesVerify()
{
    QFETCH(QString, password);
    QFETCH(QString, attempt);
    QFETCH(bool, matches);
    const QString hash = PasswordHasher::hash(password);
    QVERIFY(hash.startsWith("$argon2id$"));
    QVERIFY(!hash.contains(password));
    QCOMPARE(PasswordHasher::verify(hash, attempt), matches);
    // Two hashes of one password differ (random salt) and both verify.
    const QString again = PasswordHasher::hash(password);
    QVERIFY(again != hash);
    QCOMPARE(PasswordHasher::verify(again, attempt), matches);
    QVERIFY(!PasswordHasher::verify(QString(), attempt));
}

void ServerPartsTest::tokensVerifyOnlyUntampered_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("valid");
    QTest::newRow("as signed") << "none" << true;
    QTest::newRow("other key") << "key" << false;
    QTest::newRow("payload changed") << "payload" << false;
    QTest::newRow("signature cut") << "signature" << false;
    QTest::newRow("alg none") << "alg" << false;
    QTest::newRow("expired") << "expired" << false;
}

void ServerPartsTest::tokensVerifyOnlyUntampered()
{
    QFETCH(QString, change);
    QFETCH(bool, valid);
    const TokenSigner signer(QByteArray(32, 'k'));
    const qint64 now = 1'800'000'000;
    const qint64 exp = change == "expired" ? now : now + 900;
    QByteArray token = signer.sign({{"sub", "u1"}, {"exp", exp}});
    QList<QByteArray> parts = token.split('.');
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    if (change == "key") {
        token = TokenSigner(QByteArray(32, 'x')).sign({{"sub", "u1"}, {"exp", exp}});
    } else if (change == "payload") {
        parts[1] = QJsonDocument(QJsonObject{{"sub", "u2"}, {"exp", exp}})
                       .toJson(QJsonDocument::Compact)
                       .toBase64(b64);
        token = parts.join('.');
    } else if (change == "signature") {
        token.chop(2);
    } else if (change == "alg") {
        parts[0] = QByteArray(R"({"alg":"none","typ":"JWT"})").toBase64(b64);
        token = parts.join('.');
    }
    const auto claims = signer.verify(token, now);
    QCOMPARE(claims.has_value(), valid);
    if (valid) {
        QCOMPARE(claims->value("sub").toString(), QString("u1"));
    }
}

void ServerPartsTest::redirectRule_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("localhost") << "http://localhost:19876/callback?state=abc" << true;
    QTest::newRow("127.0.0.1") << "http://127.0.0.1:40000/callback" << true;
    QTest::newRow("https") << "https://localhost:19876/callback" << false;
    QTest::newRow("no port") << "http://localhost/callback" << false;
    QTest::newRow("other host") << "http://example.org:19876/callback" << false;
    QTest::newRow("lookalike host") << "http://localhost.example.org:19876/callback" << false;
    QTest::newRow("user info") << "http://localhost@example.org:19876/callback" << false;
    QTest::newRow("user info on localhost") << "http://me@localhost:19876/callback" << false;
    QTest::newRow("ipv6 loopback") << "http://[::1]:19876/callback" << false;
    QTest::newRow("relative") << "/callback" << false;
    QTest::newRow("empty") << "" << false;
}

void ServerPartsTest::redirectRule()
{
    QFETCH(QString, uri);
    QFETCH(bool, allowed);
    QCOMPARE(RedirectRule::isAllowed(QUrl(uri, QUrl::StrictMode)), allowed);
}

void ServerPartsTest::redirectKeepsState()
{
    const QUrl url = RedirectRule::withTokens(QUrl("http://localhost:19876/callback?state=s%2B1"),
                                              "a.b.c", "r-_1");
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue("state", QUrl::FullyDecoded), QString("s+1"));
    QCOMPARE(query.queryItemValue("access_token"), QString("a.b.c"));
    QCOMPARE(query.queryItemValue("refresh_token"), QString("r-_1"));
    QCOMPARE(url.path(), QString("/callback"));
}

void ServerPartsTest::limiterBlocksAfterFiveFailuresInAMinute()
{
    LoginLimiter limiter;
    const qint64 t0 = 1'000'000;
    const qint64 w = LoginLimiter::kWindowMs;
    // Four failures, then one more when the first has left the window: still four in a minute.
    for (int i = 0; i < 4; ++i) {
        limiter.recordFailure("10.0.0.1", t0 + i * 10);
    }
    limiter.recordFailure("10.0.0.1", t0 + w);
    QVERIFY(!limiter.isBlocked("10.0.0.1", t0 + w));
    limiter.recordFailure("10.0.0.1", t0 + w + 5);
    QVERIFY(limiter.isBlocked("10.0.0.1", t0 + w + 6));
    QVERIFY(!limiter.isBlocked("10.0.0.2", t0 + w + 6));
    // Blocked for one minute from the fifth failure, then free again.
    QVERIFY(limiter.isBlocked("10.0.0.1", t0 + 2 * w + 4));
    QVERIFY(!limiter.isBlocked("10.0.0.1", t0 + 2 * w + 5));
    // A success forgets the failures.
    limiter.recordFailure("10.0.0.3", t0);
    limiter.recordSuccess("10.0.0.3");
    for (int i = 0; i < 4; ++i) {
        limiter.recordFailure("10.0.0.3", t0 + 1 + i);
    }
    QVERIFY(!limiter.isBlocked("10.0.0.3", t0 + 10));
}

LEDGERWELL_TEST(ServerPartsTest)
#include "serverparts_test.moc"
