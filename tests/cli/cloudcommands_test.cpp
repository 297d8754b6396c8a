#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <sys/stat.h>

// ledgerwell-cli sign-in, whoami and sign-out against a real ledgerwell-server, the browser's
// part played by the test: it opens the printed address, posts the form and follows the redirect.
class CloudCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void signInWhoamiSignOut();
    void jsonSignInAfterAWrongPassword();
    void whoamiWithoutSignIn();

private:
    QProcessEnvironment environment() const;
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Run cli(const QStringList &arguments) const;
    // Starts a sign-in and waits for the address it prints (on stdout, or stderr with --json).
    QUrl startSignIn(QProcess &process, bool json);
    // The browser: posts the form at `login` and follows the redirect; answers the final status.
    int submit(const QUrl &login, const QString &password);

    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<QTemporaryDir> m_data;
    HttpTestClient m_http;
};

void CloudCommandsTest::init()
{
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(m_server->addUser("ann@example.org", "ann's password", "Ann"));
    QVERIFY(m_server->start());
    m_data = std::make_unique<QTemporaryDir>();
}

void CloudCommandsTest::cleanup()
{
    m_server.reset();
    m_data.reset();
}

QProcessEnvironment CloudCommandsTest::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERWELL_DATA_DIR", m_data->path());
    env.insert("AUTH_BASE_URL", m_server->baseUrl().toString());
    env.insert("ACCOUNT_API_URL", m_server->baseUrl().toString() + "/account/v1");
    // Never the desktop's own keyring: without a session bus the tokens go to the data folder.
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    env.remove("DISPLAY");
    env.remove("LEDGERWELL_VERBOSE");
    return env;
}

CloudCommandsTest::Run CloudCommandsTest::cli(const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(LEDGERWELL_CLI, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QUrl CloudCommandsTest::startSignIn(QProcess &process, bool json)
{
    process.setProcessEnvironment(environment());
    process.start(LEDGERWELL_CLI, json ? QStringList{"--json", "sign-in"} : QStringList{"sign-in"});
    process.setReadChannel(json ? QProcess::StandardError : QProcess::StandardOutput);
    const QByteArray prefix = "Open this address in a browser: ";
    QByteArray text;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        text += json ? process.readAllStandardError() : process.readAllStandardOutput();
        const int at = text.indexOf(prefix);
        const int end = text.indexOf('\n', at);
        if (at >= 0 && end > at) {
            return QUrl::fromEncoded(text.mid(at + prefix.size(), end - at - prefix.size()));
        }
        process.waitForReadyRead(200);
    }
    return {};
}

int CloudCommandsTest::submit(const QUrl &login, const QString &password)
{
    if (m_http.get(login).status != 200) {
        return -1;
    }
    QUrl form = login;
    form.setQuery(QString());
    const QUrlQuery query(login);
    const auto posted = m_http.postForm(
        form, {{"client_id", query.queryItemValue("client_id", QUrl::FullyDecoded)},
               {"redirect_uri", query.queryItemValue("redirect_uri", QUrl::FullyDecoded)},
               {"email", "ann@example.org"},
               {"password", password}});
    if (posted.status != 302) {
        return posted.status;
    }
    return m_http.get(QUrl::fromEncoded(posted.location)).status;
}

void CloudCommandsTest::signInWhoamiSignOut()
{
    QProcess signIn;
    const QUrl login = startSignIn(signIn, false);
    QVERIFY2(login.isValid() && !login.isEmpty(), signIn.readAllStandardError().constData());
    QCOMPARE(login.host(), QString("127.0.0.1"));
    QCOMPARE(submit(login, "ann's password"), 200);
    QVERIFY(signIn.waitForFinished(20000));
    QCOMPARE(signIn.exitCode(), 0);
    QVERIFY(signIn.readAllStandardOutput().contains("Signed in as ann@example.org\n"));

    // The tokens are in the data folder, owner-only; the device is registered.
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(m_data->filePath("tokens.json")).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
    QVERIFY(m_server->log().contains("POST /account/v1/devices/register 200"));

    Run who = cli({"whoami"});
    QCOMPARE(who.exitCode, 0);
    QCOMPARE(who.out, QByteArray("Signed in as ann@example.org\n"));
    who = cli({"--json", "whoami"});
    const QJsonObject json = QJsonDocument::fromJson(who.out).object();
    QCOMPARE(json.value("signed_in").toBool(), true);
    QCOMPARE(json.value("display_name").toString(), QString("Ann"));

    const Run out = cli({"sign-out"});
    QCOMPARE(out.exitCode, 0);
    QCOMPARE(out.out, QByteArray("Signed out\n"));
    QVERIFY(m_server->log().contains("POST /api/v1/realms/varnaby/auth/logout 200"));
    who = cli({"whoami"});
    QCOMPARE(who.exitCode, 1);
    QVERIFY(who.err.contains("Not signed in"));
}

void CloudCommandsTest::jsonSignInAfterAWrongPassword()
{
    QProcess signIn;
    const QUrl login = startSignIn(signIn, true);
    QVERIFY(login.isValid() && !login.isEmpty());
    QCOMPARE(submit(login, "not the password"), 401);
    QCOMPARE(signIn.state(), QProcess::Running);
    QCOMPARE(submit(login, "ann's password"), 200);
    QVERIFY(signIn.waitForFinished(20000));
    QCOMPARE(signIn.exitCode(), 0);
    const QByteArray out = signIn.readAllStandardOutput();
    QCOMPARE(out.count('\n'), 1);
    const QJsonObject json = QJsonDocument::fromJson(out).object();
    QCOMPARE(json.value("email").toString(), QString("ann@example.org"));
    QCOMPARE(json.value("signed_in").toBool(), true);
}

void CloudCommandsTest::whoamiWithoutSignIn()
{
    const Run who = cli({"--json", "whoami"});
    QCOMPARE(who.exitCode, 1);
    QCOMPARE(QJsonDocument::fromJson(who.out).object(), QJsonObject({{"signed_in", false}}));
    const Run out = cli({"sign-out"});
    QCOMPARE(out.exitCode, 0);
    QCOMPARE(out.out, QByteArray("Not signed in\n"));
    QCOMPARE(cli({"sign-in", "extra"}).exitCode, 2);
}

LEDGERWELL_TEST(CloudCommandsTest)
#include "cloudcommands_test.moc"
