#include "account/client.h"
#include "account/deviceidentity.h"
#include "account/filetokenstore.h"
#include "account/keychaintokenstore.h"
#include "support/testrunner.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <sys/stat.h>
#include <thread>

using namespace VarnAccount;

namespace {

int modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

} // namespace

// Where the tokens are kept: the owner-only file and its permissions, the choice of store, and
// the identity this machine registers with.
class TokenStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void fileStoreRoundTrip();
    void fileIsNeverWiderThanOwnerOnly();
    void widerFileIsReplaced();
    void withoutSecretServiceTheFileIsUsedWithOneWarning();
    void fingerprint();
    void platformFromKernel_data();
    void platformFromKernel();
};

void TokenStoreTest::fileStoreRoundTrip()
{
    QTemporaryDir dir;
    FileTokenStore store(dir.filePath("sub/tokens.json"));
    QVERIFY(!store.read("varnaby_access_token"));
    QVERIFY(store.write("varnaby_access_token", "a.b.c"));
    QVERIFY(store.write("varnaby_refresh_token", "r"));
    QCOMPARE(FileTokenStore(store.path()).read("varnaby_access_token").value_or(""),
             QString("a.b.c"));
    store.clear();
    QVERIFY(!store.read("varnaby_access_token"));
    QVERIFY(!store.read("varnaby_refresh_token"));
    QVERIFY(store.remove("varnaby_access_token"));
    // No temporary files are left next to it.
    QCOMPARE(QDir(dir.filePath("sub")).entryList(QDir::Files), QStringList{"tokens.json"});
}

void TokenStoreTest::fileIsNeverWiderThanOwnerOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tokens.json");
    // With no umask to help, a file created first and restricted later would be world-readable
    // for a moment. A watcher looks at the file as fast as it can while it is rewritten.
    const mode_t previous = ::umask(0);
    std::atomic<bool> stop{false};
    std::atomic<int> wider{0};
    std::atomic<int> seen{0};
    std::thread watcher([&] {
        while (!stop) {
            const int mode = modeOf(path);
            if (mode >= 0) {
                ++seen;
                if (mode != 0600) {
                    ++wider;
                }
            }
        }
    });
    FileTokenStore store(path);
    for (int i = 0; i < 300; ++i) {
        store.write("varnaby_access_token", QString::number(i));
    }
    stop = true;
    watcher.join();
    ::umask(previous);
    QVERIFY(seen > 0);
    QCOMPARE(wider.load(), 0);
    QCOMPARE(modeOf(path), 0600);
}

void TokenStoreTest::widerFileIsReplaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tokens.json");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(R"({"varnaby_refresh_token":"old"})");
    old.close();
    QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    QCOMPARE(modeOf(path), 0604);
    FileTokenStore store(path);
    QCOMPARE(store.read("varnaby_refresh_token").value_or(""), QString("old"));
    QVERIFY(store.write("varnaby_access_token", "new"));
    QCOMPARE(modeOf(path), 0600);
    QCOMPARE(store.read("varnaby_refresh_token").value_or(""), QString("old"));
}

void TokenStoreTest::withoutSecretServiceTheFileIsUsedWithOneWarning()
{
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("DISPLAY");
    QTemporaryDir dir;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("No Secret Service answers: .*readable only by you"));
    auto first = TokenStore::createDefault("org.example.Test", dir.path());
    QTest::failOnWarning(QRegularExpression("No Secret Service"));
    auto second = TokenStore::createDefault("org.example.Test", dir.path());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    qputenv("DISPLAY", display);
    auto *file = dynamic_cast<FileTokenStore *>(first.get());
    QVERIFY(file);
    QCOMPARE(file->path(), dir.filePath("tokens.json"));
    QVERIFY(dynamic_cast<FileTokenStore *>(second.get()));
}

void TokenStoreTest::fingerprint()
{
    const QString fallback = DeviceIdentity::hostNameFingerprint("kitchen-pc");
    QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(fallback).hasMatch());
    QVERIFY(fallback != DeviceIdentity::hostNameFingerprint("study-pc"));
    const QString id = DeviceIdentity::deviceFingerprint();
    const QByteArray machine = QSysInfo::machineUniqueId();
    QCOMPARE(id, machine.isEmpty()
                     ? DeviceIdentity::hostNameFingerprint(QSysInfo::machineHostName())
                     : QString::fromLatin1(machine));
    QCOMPARE(DeviceIdentity::platformName(), QString("Linux"));
}

void TokenStoreTest::platformFromKernel_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("platform");
    QTest::newRow("linux") << "linux"
                           << "linux";
    QTest::newRow("darwin") << "darwin"
                            << "macos";
    QTest::newRow("winnt") << "winnt"
                           << "windows";
    QTest::newRow("other") << "freebsd"
                           << "freebsd";
}

void TokenStoreTest::platformFromKernel()
{
    QFETCH(QString, kernel);
    QFETCH(QString, platform);
    QCOMPARE(Client::platformFromKernel(kernel), platform);
}

LEDGERWELL_TEST(TokenStoreTest)
#include "tokenstore_test.moc"
