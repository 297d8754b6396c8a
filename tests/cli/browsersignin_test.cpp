#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// End to end in a real browser: ledgerwell-cli sign-in prints the address, headless Chromium
// (driven by Selenium) opens it, fills in the form and submits; the redirect reaches the CLI's
// loopback listener.
class BrowserSignInTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void signsInThroughTheBrowser();
    void wrongPasswordShowsTheFormAndStaysSignedOut();

private:
    QProcessEnvironment environment() const;
    QUrl startSignIn(QProcess &process);
    // Runs the browser on the address; answers what it printed (the final address and page).
    QByteArray browse(const QUrl &url, const QString &password);
    QByteArray cli(const QStringList &arguments, int *exitCode) const;

    std::unique_ptr<ServerProcess> m_server;
    std::unique_ptr<QTemporaryDir> m_data;
};

void BrowserSignInTest::initTestCase()
{
    for (const char *tool : {"/usr/bin/chromium", "/usr/bin/chromedriver", "/usr/bin/python3"}) {
        if (!QFile::exists(tool)) {
            QSKIP(qPrintable(
                QString("%1 is missing (scripts/install-deps.sh installs it)").arg(tool)));
        }
    }
}

void BrowserSignInTest::init()
{
    m_server = std::make_unique<ServerProcess>();
    QVERIFY(m_server->addUser("ann@example.org", "pa ss+word 1", "Ann"));
    QVERIFY(m_server->start());
    m_data = std::make_unique<QTemporaryDir>();
}

void BrowserSignInTest::cleanup()
{
    m_server.reset();
    m_data.reset();
}

QProcessEnvironment BrowserSignInTest::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LEDGERWELL_DATA_DIR", m_data->filePath("data"));
    env.insert("AUTH_BASE_URL", m_server->baseUrl().toString());
    env.insert("ACCOUNT_API_URL", m_server->baseUrl().toString() + "/account/v1");
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    env.remove("DISPLAY");
    return env;
}

QUrl BrowserSignInTest::startSignIn(QProcess &process)
{
    process.setProcessEnvironment(environment());
    process.start(LEDGERWELL_CLI, {"sign-in"});
    const QByteArray prefix = "Open this address in a browser: ";
    QByteArray text;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        text += process.readAllStandardOutput();
        const int at = text.indexOf(prefix);
        const int end = text.indexOf('\n', at);
        if (at >= 0 && end > at) {
            return QUrl::fromEncoded(text.mid(at + prefix.size(), end - at - prefix.size()));
        }
        process.waitForReadyRead(200);
    }
    return {};
}

QByteArray BrowserSignInTest::browse(const QUrl &url, const QString &password)
{
    QProcess browser;
    browser.start("/usr/bin/python3",
                  {QStringLiteral(LEDGERWELL_BROWSER_DRIVER), QString::fromUtf8(url.toEncoded()),
                   "ann@example.org", password, m_data->filePath("chromium-profile")});
    if (!browser.waitForFinished(90000)) {
        browser.kill();
        return "browser did not finish";
    }
    return browser.readAllStandardOutput() + browser.readAllStandardError();
}

QByteArray BrowserSignInTest::cli(const QStringList &arguments, int *exitCode) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(LEDGERWELL_CLI, arguments);
    process.waitForFinished(30000);
    *exitCode = process.exitCode();
    return process.readAllStandardOutput() + process.readAllStandardError();
}

void BrowserSignInTest::signsInThroughTheBrowser()
{
    QProcess signIn;
    const QUrl login = startSignIn(signIn);
    QVERIFY(!login.isEmpty());
    const QByteArray page = browse(login, "pa ss+word 1");
    QVERIFY2(page.contains("Authentication complete!"), page.constData());
    QVERIFY2(page.startsWith("http://localhost:"), page.constData());
    QVERIFY(signIn.waitForFinished(20000));
    QCOMPARE(signIn.exitCode(), 0);
    QVERIFY(signIn.readAllStandardOutput().contains("Signed in as ann@example.org"));

    // The tokens are in the store, and they work: the server knows this device.
    QFile store(m_data->filePath("data/tokens.json"));
    QVERIFY(store.open(QIODevice::ReadOnly));
    const QByteArray access = QJsonDocument::fromJson(store.readAll())
                                  .object()
                                  .value("varnaby_access_token")
                                  .toString()
                                  .toLatin1();
    QVERIFY(!access.isEmpty());
    HttpTestClient http;
    const QJsonArray devices =
        http.get(QUrl(m_server->baseUrl().toString() + "/account/v1/devices"), access)
            .json()
            .value("devices")
            .toArray();
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices.first().toObject().value("platform").toString(), QString("Linux"));
    int code = -1;
    QVERIFY(cli({"whoami"}, &code).contains("Signed in as ann@example.org"));
    QCOMPARE(code, 0);
}

void BrowserSignInTest::wrongPasswordShowsTheFormAndStaysSignedOut()
{
    QProcess signIn;
    const QUrl login = startSignIn(signIn);
    QVERIFY(!login.isEmpty());
    const QByteArray page = browse(login, "not the password");
    QVERIFY2(page.contains("Wrong e-mail or password"), page.constData());
    QVERIFY2(page.contains("/varnaby/account/login"), page.constData());
    // Still waiting for a sign-in; nothing stored.
    QCOMPARE(signIn.state(), QProcess::Running);
    signIn.terminate();
    signIn.waitForFinished(5000);
    QVERIFY(!QFile::exists(m_data->filePath("data/tokens.json")));
    int code = -1;
    QVERIFY(cli({"whoami"}, &code).contains("Not signed in"));
    QCOMPARE(code, 1);
}

LEDGERWELL_TEST(BrowserSignInTest)
#include "browsersignin_test.moc"
