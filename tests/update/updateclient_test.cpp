#include "downloadserver.h"
#include "support/testrunner.h"
#include "update/client.h"
#include "update/platformkey.h"
#include "update/version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace VarnUpdate;

namespace {

constexpr int kWaitMs = 20000;
const QString kManifestPath = QStringLiteral("/ledgerwell/stable/latest.json");

// How one check ended: "available <version>", "up to date" or "failed: <reason>", and how many
// signals it sent in all.
struct Outcome
{
    QString text;
    int signalCount = 0;
};

Outcome runCheck(Client &client)
{
    QSignalSpy available(&client, &Client::updateAvailable);
    QSignalSpy upToDate(&client, &Client::upToDate);
    QSignalSpy failed(&client, &Client::checkFailed);
    client.check();
    const auto count = [&] { return available.size() + upToDate.size() + failed.size(); };
    if (!QTest::qWaitFor([&] { return count() > 0; }, kWaitMs)) {
        return {QStringLiteral("no answer"), 0};
    }
    QTest::qWait(50); // a second, wrong signal would arrive now
    Outcome outcome;
    outcome.signalCount = int(count());
    if (!available.isEmpty()) {
        outcome.text = "available " + available.first().first().value<Artifact>().version;
    } else if (!upToDate.isEmpty()) {
        outcome.text = QStringLiteral("up to date");
    } else if (!failed.isEmpty()) {
        outcome.text = "failed: " + failed.first().first().toString();
    }
    return outcome;
}

} // namespace

// The update check against a real ledgerwell-server serving a temporary downloads folder.
class UpdateClientTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.start()); }

    void versions_data();
    void versions();
    void platformKeys_data();
    void platformKeys();
    void judge_data();
    void judge();
    void invalidManifest_data();
    void invalidManifest();
    void twoChecksInARowSendOneRequest();
    void unknownPlatformIsUpToDate();
    void missingManifestFailsAndClearsTheFlag();
    void badConfiguration();

private:
    std::unique_ptr<Client> newClient(const QString &currentVersion)
    {
        auto client = std::make_unique<Client>(
            UpdateConfig{QStringLiteral("ledgerwell"), QStringLiteral("stable"),
                         m_server.manifestBaseUrl(), currentVersion});
        client->setPlatformKey(QStringLiteral("linux-x64"));
        return client;
    }

    DownloadServer m_server;
};

void UpdateClientTest::versions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("parts");
    QTest::newRow("three parts") << "1.0.10" << QList<int>{1, 0, 10};
    QTest::newRow("one part is the major") << "2" << QList<int>{2, 0, 0};
    QTest::newRow("two parts") << "1.1" << QList<int>{1, 1, 0};
    QTest::newRow("a letter") << "1.x" << QList<int>{0, 0, 0};
    QTest::newRow("four parts") << "1.2.3.4" << QList<int>{0, 0, 0};
    QTest::newRow("an empty part") << "1..2" << QList<int>{0, 0, 0};
    QTest::newRow("empty") << "" << QList<int>{0, 0, 0};
    QTest::newRow("a suffix") << "1.2.0-beta" << QList<int>{0, 0, 0};
}

void UpdateClientTest::versions()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, parts);
    const Version version = Version::parse(text);
    QCOMPARE((QList<int>{version.major, version.minor, version.patch}), parts);
}

void UpdateClientTest::platformKeys_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("key");
    QTest::newRow("Windows x64") << "windows"
                                 << "x86_64"
                                 << "windows-x64";
    QTest::newRow("Windows on ARM") << "windows"
                                    << "arm64"
                                    << "";
    QTest::newRow("Linux x64") << "linux"
                               << "x86_64"
                               << "linux-x64";
    QTest::newRow("Linux on ARM") << "linux"
                                  << "arm64"
                                  << "";
    QTest::newRow("32-bit Linux") << "linux"
                                  << "i386"
                                  << "";
    QTest::newRow("macOS") << "darwin"
                           << "x86_64"
                           << "";
}

void UpdateClientTest::platformKeys()
{
    QFETCH(QString, system);
    QFETCH(QString, architecture);
    QFETCH(QString, key);
    QCOMPARE(PlatformKey::forSystem(system, architecture), key);
}

void UpdateClientTest::judge_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QJsonObject>("artifacts");
    QTest::addColumn<QString>("outcome");
    const auto only = [](const QString &key, const QJsonObject &artifact) {
        return QJsonObject{{key, artifact}};
    };
    const auto linux = [&](const QString &version) {
        return only(QStringLiteral("linux-x64"), DownloadServer::artifact(version));
    };
    QTest::newRow("1.0.10 is newer than 1.0.4") << "1.0.4" << linux("1.0.10") << "available 1.0.10";
    QTest::newRow("1.1 equals 1.1.0") << "1.1.0" << linux("1.1") << "up to date";
    QTest::newRow("same version") << "1.0.4" << linux("1.0.4") << "up to date";
    QTest::newRow("older on the server") << "1.0.4" << linux("1.0.3") << "up to date";
    QTest::newRow("1.x reads as 0.0.0") << "1.0.4" << linux("1.x") << "up to date";
    QTest::newRow("platform not shipped")
        << "1.0.4" << only(QStringLiteral("windows-x64"), DownloadServer::artifact("2.0.0"))
        << "up to date";
    QJsonObject gated = DownloadServer::artifact("2.0.0");
    gated.insert("min_upgradable_from", "1.5.0");
    QTest::newRow("too old to upgrade directly")
        << "1.0.4" << only(QStringLiteral("linux-x64"), gated)
        << "failed: current version 1.0.4 is older than min_upgradable_from 1.5.0; please "
           "upgrade to an intermediate release first";
    QTest::newRow("recent enough to upgrade")
        << "1.5.0" << only(QStringLiteral("linux-x64"), gated) << "available 2.0.0";
}

void UpdateClientTest::judge()
{
    QFETCH(QString, current);
    QFETCH(QJsonObject, artifacts);
    QFETCH(QString, outcome);
    m_server.writeManifest(artifacts);
    const auto client = newClient(current);
    const Outcome result = runCheck(*client);
    QCOMPARE(result.text, outcome);
    QCOMPARE(result.signalCount, 1);
    QVERIFY(!client->isChecking());
}

void UpdateClientTest::invalidManifest_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reason");
    const auto manifest = [](const QJsonObject &root) { return QJsonDocument(root).toJson(); };
    const QJsonObject valid{
        {"schema", 1},
        {"app", "ledgerwell"},
        {"channel", "stable"},
        {"artifacts", QJsonObject{{"windows-x64", DownloadServer::artifact("2.0.0")}}}};
    const auto with = [&](const QString &key, const QJsonValue &value) {
        QJsonObject root = valid;
        root.insert(key, value);
        return manifest(root);
    };
    const auto without = [&](const QString &key) {
        QJsonObject root = valid;
        root.remove(key);
        return manifest(root);
    };
    const auto artifactWith = [&](const QString &key, const QJsonValue &value) {
        QJsonObject artifact = DownloadServer::artifact("2.0.0");
        artifact.insert(key, value);
        return with("artifacts", QJsonObject{{"windows-x64", artifact}});
    };
    QTest::newRow("sha256 of 63 characters")
        << artifactWith("sha256", QString(63, QLatin1Char('a')))
        << "manifest invalid: artifact windows-x64 failed validation";
    QTest::newRow("schema 2") << with("schema", 2)
                              << "manifest invalid: unsupported manifest schema: 2 (expected 1)";
    const QByteArray broken("{\"schema\": 1,");
    QJsonParseError parseError;
    QJsonDocument::fromJson(broken, &parseError);
    QTest::newRow("not JSON") << broken
                              << "manifest invalid: JSON parse error: " + parseError.errorString();
    QTest::newRow("an array") << QByteArray("[1, 2]")
                              << "manifest invalid: manifest root is not a JSON object";
    QTest::newRow("no schema") << without("schema")
                               << "manifest invalid: missing or non-integer field: schema";
    QTest::newRow("schema 1.5") << with("schema", 1.5)
                                << "manifest invalid: missing or non-integer field: schema";
    QTest::newRow("no app") << without("app")
                            << "manifest invalid: missing or non-string field: app";
    QTest::newRow("channel a number")
        << with("channel", 7) << "manifest invalid: missing or non-string field: channel";
    QTest::newRow("empty app") << with("app", "") << "manifest invalid: manifest failed validation";
    QTest::newRow("artifacts a list") << with("artifacts", QJsonArray{1})
                                      << "manifest invalid: missing or non-object field: artifacts";
    QTest::newRow("no artifacts") << with("artifacts", QJsonObject())
                                  << "manifest invalid: manifest failed validation";
    QTest::newRow("artifact a string") << with("artifacts", QJsonObject{{"windows-x64", "2.0.0"}})
                                       << "manifest invalid: artifact windows-x64 is not an object";
    QTest::newRow("size 0") << artifactWith("size", 0)
                            << "manifest invalid: artifact windows-x64 failed validation";
    QTest::newRow("size missing") << artifactWith("size", QJsonValue())
                                  << "manifest invalid: artifact windows-x64 failed validation";
    QTest::newRow("released_at not a date")
        << artifactWith("released_at", "last Tuesday")
        << "manifest invalid: artifact windows-x64 failed validation";
    QTest::newRow("url not a URL") << artifactWith("url", "http://exa mple.org/[x")
                                   << "manifest invalid: artifact windows-x64 failed validation";
    QTest::newRow("empty version") << artifactWith("version", "")
                                   << "manifest invalid: artifact windows-x64 failed validation";
}

void UpdateClientTest::invalidManifest()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, reason);
    m_server.write(QStringLiteral("ledgerwell/stable/latest.json"), body);
    const auto client = newClient(QStringLiteral("1.0.4"));
    const Outcome result = runCheck(*client);
    QCOMPARE(result.text, "failed: " + reason);
    QCOMPARE(result.signalCount, 1);
}

void UpdateClientTest::twoChecksInARowSendOneRequest()
{
    m_server.writeManifest({{"linux-x64", DownloadServer::artifact("1.0.10")}});
    const int before = m_server.requests(kManifestPath);
    const auto client = newClient(QStringLiteral("1.0.4"));
    QSignalSpy available(client.get(), &Client::updateAvailable);
    client->check();
    QTest::ignoreMessage(QtDebugMsg, "check already in flight, ignoring");
    client->check();
    QTRY_COMPARE_WITH_TIMEOUT(available.size(), 1, kWaitMs);
    QTest::qWait(200);
    QCOMPARE(available.size(), 1);
    QCOMPARE(m_server.requests(kManifestPath), before + 1);
}

void UpdateClientTest::unknownPlatformIsUpToDate()
{
    m_server.writeManifest({{"windows-x64", DownloadServer::artifact("9.0.0")},
                            {"linux-x64", DownloadServer::artifact("9.0.0")}});
    const auto client = newClient(QStringLiteral("1.0.4"));
    // What PlatformKey gives Windows on ARM, or any system no build is published for.
    client->setPlatformKey(PlatformKey::forSystem(QStringLiteral("windows"), "arm64"));
    QTest::ignoreMessage(QtWarningMsg, "unknown platform, skipping update check");
    QCOMPARE(runCheck(*client).text, QStringLiteral("up to date"));
}

void UpdateClientTest::missingManifestFailsAndClearsTheFlag()
{
    QFile::remove(m_server.folder() + "/ledgerwell/stable/latest.json");
    const auto client = newClient(QStringLiteral("1.0.4"));
    const Outcome first = runCheck(*client);
    QVERIFY2(first.text.startsWith("failed: network error: "), qPrintable(first.text));
    QVERIFY(first.text.contains("Not Found"));
    // The failed check left nothing in flight: the next one runs.
    m_server.writeManifest({{"linux-x64", DownloadServer::artifact("1.0.5")}});
    QCOMPARE(runCheck(*client).text, QStringLiteral("available 1.0.5"));
}

void UpdateClientTest::badConfiguration()
{
    Client noUrl({QStringLiteral("ledgerwell"), QStringLiteral("stable"), QUrl(), "1.0.4"});
    QCOMPARE(runCheck(noUrl).text, QStringLiteral("failed: manifestBaseUrl is not valid"));
    Client noVersion(
        {QStringLiteral("ledgerwell"), QStringLiteral("stable"), m_server.manifestBaseUrl(), ""});
    QCOMPARE(runCheck(noVersion).text, QStringLiteral("failed: currentVersion is empty"));
}

LEDGERWELL_TEST(UpdateClientTest)
#include "updateclient_test.moc"
