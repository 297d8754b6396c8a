#include "account/keychaintokenstore.h"
#include "account/tokenmanager.h"
#include "support/testrunner.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace VarnAccount;

// The Secret Service store against a real gnome-keyring. CTest runs this class through
// scripts/with-keyring.sh (a private session bus and an unlocked keyring in a temporary home).
class KeychainTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tokensRoundTrip();
    void defaultStoreIsTheKeychain();
};

void KeychainTest::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("LEDGERWELL_TEST_KEYRING")) {
        QSKIP("needs the private keyring of scripts/with-keyring.sh");
    }
    QVERIFY(KeychainTokenStore::isAvailable("org.example.LedgerwellTest"));
}

void KeychainTest::tokensRoundTrip()
{
    KeychainTokenStore store("org.example.LedgerwellTest");
    QVERIFY(store.write(TokenStore::kAccessTokenKey, "a.b.c"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, "refresh-1"));
    QCOMPARE(store.read(TokenStore::kAccessTokenKey).value_or(""), QString("a.b.c"));
    // Another store object (another run of the program) sees the same entries.
    TokenManager tokens(std::make_unique<KeychainTokenStore>("org.example.LedgerwellTest"));
    tokens.load();
    QCOMPARE(tokens.refreshToken(), QString("refresh-1"));
    tokens.clear();
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
    QVERIFY(!store.read(TokenStore::kRefreshTokenKey));
    QVERIFY(store.remove(TokenStore::kRefreshTokenKey)); // removing what is gone is fine
    // Entries of another application are apart.
    KeychainTokenStore other("org.example.Other");
    QVERIFY(other.write(TokenStore::kAccessTokenKey, "x"));
    QVERIFY(!store.read(TokenStore::kAccessTokenKey));
}

void KeychainTest::defaultStoreIsTheKeychain()
{
    QTemporaryDir dir;
    QTest::failOnWarning(QRegularExpression("No Secret Service"));
    auto store = TokenStore::createDefault("org.example.LedgerwellTest", dir.path());
    QVERIFY(dynamic_cast<KeychainTokenStore *>(store.get()));
    QVERIFY(store->write(TokenStore::kAccessTokenKey, "kept"));
    QVERIFY(!QFile::exists(dir.filePath("tokens.json")));
    store->clear();
}

LEDGERWELL_TEST(KeychainTest)
#include "keychain_test.moc"
