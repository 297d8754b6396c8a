#include "downloadserver.h"
#include "support/testrunner.h"
#include "update/client.h"
#include "update/manifestreader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace VarnUpdate;

namespace {

struct RawReply
{
    int status = 0;
    QByteArray head;
    QByteArray body;
};

// One request exactly as written, without a client library that would tidy the path first.
RawReply rawRequest(const QUrl &server, const QByteArray &method, const QByteArray &target)
{
    QTcpSocket socket;
    socket.connectToHost(server.host(), quint16(server.port()));
    if (!socket.waitForConnected(10000)) {
        return {};
    }
    socket.write(method + ' ' + target + " HTTP/1.1\r\nHost: " + server.authority().toUtf8() +
                 "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    // The server keeps the connection open: read the head, then as many bytes as it announces.
    QByteArray data;
    RawReply reply;
    int split = -1;
    qsizetype length = 0;
    while ((split < 0 || data.size() < split + 4 + length) && socket.waitForReadyRead(10000)) {
        data += socket.readAll();
        split = int(data.indexOf("\r\n\r\n"));
        for (const QByteArray &line : data.left(split).split('\n')) {
            if (line.toLower().startsWith("content-length:")) {
                length = line.mid(15).trimmed().toLongLong();
            }
        }
    }
    reply.head = data.left(split);
    reply.body = split < 0 ? QByteArray() : data.mid(split + 4);
    reply.status = data.startsWith("HTTP/1.1 ") ? data.mid(9, 3).toInt() : 0;
    return reply;
}

// A real (if tiny) Debian package of the program, as scripts/package.sh names it.
QString buildPackage(const QString &folder, const QString &version)
{
    QDir(folder).mkpath(QStringLiteral("root/DEBIAN"));
    QDir(folder).mkpath(QStringLiteral("root/usr/share/doc/ledgerwell"));
    QFile control(folder + "/root/DEBIAN/control");
    if (!control.open(QIODevice::WriteOnly)) {
        return {};
    }
    control.write("Package: ledgerwell\nVersion: " + version.toUtf8() +
                  "\nArchitecture: amd64\nMaintainer: Test <test@example.org>\n"
                  "Description: test package\n");
    control.close();
    QFile payload(folder + "/root/usr/share/doc/ledgerwell/payload");
    if (!payload.open(QIODevice::WriteOnly)) {
        return {};
    }
    payload.write(QByteArray(70000, 'x') + QUuid::createUuid().toByteArray());
    payload.close();
    const QString deb = folder + "/ledgerwell_" + version + "_amd64.deb";
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg-deb"),
               {"--build", "--root-owner-group", folder + "/root", deb});
    return dpkg.waitForFinished(60000) && dpkg.exitCode() == 0 ? deb : QString();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// ledgerwell-server --downloads: the folder's files and nothing else; and the release script's
// layout, read back by the program's own update check.
class DownloadsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void servesFiles_data();
    void servesFiles();
    void refusesTraversal_data();
    void refusesTraversal();
    void refusesWrites();
    void releaseScriptLayout();

private:
    DownloadServer m_server;
};

void DownloadsTest::initTestCase()
{
    m_server.write("ledgerwell/stable/latest.json", "{\"schema\": 1}\n");
    m_server.write("ledgerwell/1.0.4/release-notes.md", "# What's new\n");
    m_server.write("ledgerwell/1.0.4/ledgerwell_1.0.4_amd64.deb", QByteArray(1000, '\x01'));
    m_server.write(".hidden", "hidden\n");
    QVERIFY(QFile::link(m_server.outsideFile(), m_server.folder() + "/ledgerwell/outside"));
    QVERIFY(m_server.start());
}

void DownloadsTest::servesFiles_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("manifest") << QByteArray("/ledgerwell/stable/latest.json")
                              << "ledgerwell/stable/latest.json" << QByteArray("application/json");
    QTest::newRow("notes") << QByteArray("/ledgerwell/1.0.4/release-notes.md")
                           << "ledgerwell/1.0.4/release-notes.md"
                           << QByteArray("text/markdown; charset=utf-8");
    QTest::newRow("package") << QByteArray("/ledgerwell/1.0.4/ledgerwell_1.0.4_amd64.deb")
                             << "ledgerwell/1.0.4/ledgerwell_1.0.4_amd64.deb"
                             << QByteArray("application/vnd.debian.binary-package");
    QTest::newRow("query ignored")
        << QByteArray("/ledgerwell/stable/latest.json?t=1") << "ledgerwell/stable/latest.json"
        << QByteArray("application/json");
}

void DownloadsTest::servesFiles()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, file);
    QFETCH(QByteArray, type);
    const RawReply reply = rawRequest(m_server.baseUrl(), "GET", target);
    QCOMPARE(reply.status, 200);
    QCOMPARE(reply.body, fileBytes(m_server.folder() + '/' + file));
    QVERIFY2(reply.head.toLower().contains("content-type: " + type), reply.head.constData());
}

void DownloadsTest::refusesTraversal_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("dot dot") << QByteArray("/ledgerwell/../secret");
    QTest::newRow("dot dot out of the folder") << QByteArray("/ledgerwell/../../secret");
    QTest::newRow("dot dot at the root") << QByteArray("/../secret");
    QTest::newRow("encoded dots") << QByteArray("/ledgerwell/%2e%2e/%2e%2e/secret");
    QTest::newRow("encoded dots, capitals") << QByteArray("/%2E%2E/secret");
    QTest::newRow("half-encoded dots") << QByteArray("/ledgerwell/.%2e/.%2e/secret");
    QTest::newRow("encoded slashes") << QByteArray("/ledgerwell%2f..%2f..%2fsecret");
    QTest::newRow("encoded backslashes") << QByteArray("/ledgerwell/..%5c..%5csecret");
    QTest::newRow("backslashes") << QByteArray("/ledgerwell/..\\..\\secret");
    QTest::newRow("absolute path") << QByteArray("//etc/passwd");
    QTest::newRow("absolute path inside") << QByteArray("/ledgerwell//etc/passwd");
    QTest::newRow("encoded absolute path") << QByteArray("/%2fetc%2fpasswd");
    QTest::newRow("encoded NUL") << QByteArray("/ledgerwell/stable/latest.json%00.md");
    QTest::newRow("symbolic link out") << QByteArray("/ledgerwell/outside");
    QTest::newRow("hidden file") << QByteArray("/.hidden");
    QTest::newRow("single dot") << QByteArray("/ledgerwell/./stable/latest.json");
    QTest::newRow("folder listing") << QByteArray("/ledgerwell/stable/");
    QTest::newRow("folder") << QByteArray("/ledgerwell/stable");
    QTest::newRow("root") << QByteArray("/");
    QTest::newRow("missing file") << QByteArray("/ledgerwell/stable/nothing.json");
}

void DownloadsTest::refusesTraversal()
{
    QFETCH(QByteArray, target);
    const RawReply reply = rawRequest(m_server.baseUrl(), "GET", target);
    QCOMPARE(reply.status, 404);
    QVERIFY(!reply.body.contains("outside the downloads folder"));
    QVERIFY(!reply.body.contains("root:"));
}

void DownloadsTest::refusesWrites()
{
    const QString manifest = m_server.folder() + "/ledgerwell/stable/latest.json";
    const QByteArray before = fileBytes(manifest);
    for (const QByteArray method : {"PUT", "POST", "DELETE"}) {
        QCOMPARE(rawRequest(m_server.baseUrl(), method, "/ledgerwell/stable/latest.json").status,
                 404);
    }
    QCOMPARE(fileBytes(manifest), before);
}

void DownloadsTest::releaseScriptLayout()
{
    QTemporaryDir work;
    const QString deb = buildPackage(work.path(), QStringLiteral("1.0.4"));
    QVERIFY2(!deb.isEmpty(), "dpkg-deb could not build the test package");
    DownloadServer server;
    QVERIFY(server.start());
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(LEDGERWELL_SOURCE_DIR "/scripts/release-manifest.sh"), "--out",
                  server.folder(), "--base-url", server.baseUrl().toString(), deb});
    QVERIFY(script.waitForFinished(60000));
    QVERIFY2(script.exitCode() == 0, script.readAllStandardError().constData());

    // The manifest passes the program's own validation and describes the package exactly.
    QString error;
    const auto manifest =
        ManifestReader::read(fileBytes(server.folder() + "/ledgerwell/stable/latest.json"), &error);
    QVERIFY2(manifest.has_value(), qPrintable(error));
    QCOMPARE(manifest->channel, QStringLiteral("stable"));
    const Artifact artifact = manifest->artifacts.value(QStringLiteral("linux-x64"));
    const QByteArray package = fileBytes(deb);
    QCOMPARE(artifact.version, QStringLiteral("1.0.4"));
    QCOMPARE(artifact.size, qint64(package.size()));
    QCOMPARE(artifact.sha256.toLatin1(),
             QCryptographicHash::hash(package, QCryptographicHash::Sha256).toHex());

    // An older installation finds it, and the addresses in the manifest lead to the package and
    // to this version's release notes.
    Client client({"ledgerwell", "stable", server.manifestBaseUrl(), "1.0.3"});
    client.setPlatformKey(QStringLiteral("linux-x64"));
    QSignalSpy available(&client, &Client::updateAvailable);
    client.check();
    QTRY_COMPARE_WITH_TIMEOUT(available.size(), 1, 20000);
    const RawReply download =
        rawRequest(server.baseUrl(), "GET", artifact.url.path(QUrl::FullyEncoded).toUtf8());
    QCOMPARE(QCryptographicHash::hash(download.body, QCryptographicHash::Sha256).toHex(),
             artifact.sha256.toLatin1());
    const RawReply notes = rawRequest(server.baseUrl(), "GET",
                                      artifact.releaseNotesUrl.path(QUrl::FullyEncoded).toUtf8());
    QCOMPARE(notes.status, 200);
    QCOMPARE(notes.body,
             fileBytes(QStringLiteral(LEDGERWELL_SOURCE_DIR "/docs/release-notes/1.0.4.md")));
}

LEDGERWELL_TEST(DownloadsTest)
#include "downloads_test.moc"
