#include "account/accountclient.h"
#include "account/accountfixture.h"
#include "account/authclient.h"
#include "account/relativetime.h"
#include "account/tokenmanager.h"
#include "support/testrunner.h"
#include "ui/accountprivacypage.h"
#include "ui/accountprofilepage.h"
#include "ui/accountscreen.h"
#include "ui/accountsecuritypage.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QUrlQuery>

using VarnAccount::AccountPrompts;
using VarnAccount::AccountScreen;

namespace {

const QByteArray kPasswordRequest = "POST /api/v1/realms/varnaby/users/me/password";
const QByteArray kDeleteRequest = "DELETE /account/v1/profile";

// Every message logged while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=true"));
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { s_lines << text; });
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    static QStringList lines() { return s_lines; }

private:
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

bool showsText(QWidget *page, const QString &text)
{
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    return std::any_of(labels.cbegin(), labels.cend(),
                       [&](const QLabel *label) { return label->text().contains(text); });
}

} // namespace

// The account screen against a real ledgerwell-server; the input dialogs and message boxes are
// answered from a script.
class AccountScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pagesAndTitles();
    void newPasswordLength_data();
    void newPasswordLength();
    void newPasswordNeverLogged();
    void deletionNeedsTheExactWord_data();
    void deletionNeedsTheExactWord();
    void sessionTimes_data();
    void sessionTimes();
    void displayNameEdited();

private:
    // The next answers of the input dialogs; a null text cancels.
    void answer(const QStringList &answers);

    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<VarnAccount::Client> m_client;
    std::unique_ptr<AccountScreen> m_screen;
    QStringList m_answers;
    QStringList m_asked;
    QStringList m_informed;
};

void AccountScreenTest::init()
{
    m_fixture = std::make_unique<AccountFixture>();
    QVERIFY(m_fixture->start());
    m_client = m_fixture->client();
    const auto [access, refresh] = m_fixture->issueTokens();
    m_client->tokenManager()->setTokens(access, refresh);
    m_client->initialize();
    QVERIFY(m_client->isAuthenticated());
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    AccountPrompts prompts;
    prompts.input = [this](QWidget *, const QString &title, const QString &label,
                           QLineEdit::EchoMode, const QString &) -> std::optional<QString> {
        m_asked << title + QLatin1Char('|') + label;
        if (m_answers.isEmpty() || m_answers.first().isNull()) {
            if (!m_answers.isEmpty()) {
                m_answers.removeFirst();
            }
            return std::nullopt;
        }
        return m_answers.takeFirst();
    };
    prompts.question = [](QWidget *, const QString &, const QString &) { return true; };
    prompts.information = [this](QWidget *, const QString &title, const QString &) {
        m_informed << title;
    };
    m_screen->setPrompts(prompts);
    m_answers.clear();
    m_asked.clear();
    m_informed.clear();
}

void AccountScreenTest::cleanup()
{
    m_screen.reset();
    m_client.reset();
    m_fixture.reset();
}

void AccountScreenTest::answer(const QStringList &answers)
{
    m_answers = answers;
    m_asked.clear();
}

void AccountScreenTest::pagesAndTitles()
{
    QListWidget *navigation = m_screen->navigation();
    QCOMPARE(navigation->count(), 5);
    QCOMPARE(navigation->item(0)->text(), QString("Profile"));
    QCOMPARE(navigation->item(4)->text(), QString("Data & Privacy"));
    QCOMPARE(navigation->width(), 180);
    QCOMPARE(m_screen->currentTab(), 0);
    m_screen->showTab(AccountScreen::SecurityTab);
    auto *stack = m_screen->findChild<QStackedWidget *>();
    QCOMPARE(stack->currentIndex(), 3);
    QCOMPARE(m_screen->statusLine()->height(), 24);

    m_screen->refresh();
    QTRY_VERIFY(showsText(m_screen->profilePage(), QString(AccountFixture::kEmail)));
    QVERIFY(showsText(m_screen->profilePage(), "Ann"));
    QTRY_VERIFY(showsText(m_screen->securityPage(), "This session"));
}

void AccountScreenTest::newPasswordLength_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QString>("status");
    QTest::newRow("7 characters") << "1234567" << 0 << "Password must be at least 8 characters.";
    QTest::newRow("8 characters") << "12345678" << 1 << "Password changed.";
    QTest::newRow("empty") << "" << 0 << "Password must be at least 8 characters.";
}

void AccountScreenTest::newPasswordLength()
{
    QFETCH(QString, password);
    QFETCH(int, requests);
    QFETCH(QString, status);
    // A refused password stops before the confirmation is asked for.
    answer({QString::fromLatin1(AccountFixture::kPassword), password, password});
    m_screen->profilePage()->changePassword();
    QTRY_COMPARE(m_screen->statusLine()->text(), status);
    QCOMPARE(m_asked.size(), requests > 0 ? 3 : 2);
    QCOMPARE(m_fixture->logCount(kPasswordRequest), requests);
    const bool error = requests == 0;
    QCOMPARE(m_screen->statusLine()->styleSheet(), error
                                                       ? QString("color: #C62828; padding: 4px;")
                                                       : QString("color: #2E7D32; padding: 4px;"));
    if (requests > 0) {
        // The server took the new password: signing in with it works.
        QUrl form = m_fixture->server().baseUrl();
        form.setPath("/varnaby/account/login");
        const auto posted =
            m_fixture->http().postForm(form, {{"client_id", "c"},
                                              {"redirect_uri", "http://localhost:1/callback"},
                                              {"email", AccountFixture::kEmail},
                                              {"password", password}});
        QCOMPARE(posted.status, 302);
        QVERIFY(QUrlQuery(QUrl::fromEncoded(posted.location)).hasQueryItem("access_token"));
    }
}

void AccountScreenTest::newPasswordNeverLogged()
{
    const QString secret = QStringLiteral("tangerine-harbour-42");
    {
        LogCapture capture;
        answer({QString::fromLatin1(AccountFixture::kPassword), secret, secret});
        m_screen->profilePage()->changePassword();
        QTRY_COMPARE(m_screen->statusLine()->text(), QString("Password changed."));
        QVERIFY(!LogCapture::lines().isEmpty());
        for (const QString &line : LogCapture::lines()) {
            QVERIFY2(!line.contains(secret), qPrintable(line));
        }
    }
    QVERIFY(!m_fixture->server().log().contains(secret.toUtf8()));
    // A confirmation that differs sends nothing.
    answer(
        {QString::fromLatin1(AccountFixture::kPassword), "another-password", "another-passw0rd"});
    m_screen->profilePage()->changePassword();
    QCOMPARE(m_screen->statusLine()->text(), QString("Passwords do not match."));
    QCOMPARE(m_fixture->logCount(kPasswordRequest), 1);
}

void AccountScreenTest::deletionNeedsTheExactWord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("lower case") << "delete";
    QTest::newRow("capitalised") << "Delete";
    QTest::newRow("trailing space") << "DELETE ";
    QTest::newRow("cancelled") << QString();
}

void AccountScreenTest::deletionNeedsTheExactWord()
{
    QFETCH(QString, typed);
    QSignalSpy logout(m_screen.get(), &AccountScreen::logoutRequested);
    answer({typed});
    m_screen->privacyPage()->deleteAccount();
    QCOMPARE(m_asked.size(), 1);
    QVERIFY(m_asked.first().startsWith("Delete Account|This will schedule your account"));
    // Give a request that should not exist the time to arrive.
    m_client->authClient()->fetchCurrentUser([](const VarnAccount::User &) {});
    QTRY_COMPARE(m_fixture->logCount("GET /api/v1/realms/varnaby/users/me"), 1);
    QCOMPARE(m_fixture->logCount(kDeleteRequest), 0);
    QCOMPARE(logout.count(), 0);
    QVERIFY(m_informed.isEmpty());
    QVERIFY(m_client->isAuthenticated());
}

void AccountScreenTest::sessionTimes_data()
{
    QTest::addColumn<qint64>("secondsLater");
    QTest::addColumn<QString>("shown");
    QTest::newRow("59 s") << qint64(59) << "Active now";
    QTest::newRow("3,600 s") << qint64(3600) << "1h ago";
    QTest::newRow("eight days") << qint64(8 * 86400) << "";
}

void AccountScreenTest::sessionTimes()
{
    QFETCH(qint64, secondsLater);
    QFETCH(QString, shown);
    // A second sign-in elsewhere: a session that is not this one.
    m_fixture->issueTokens();
    QList<VarnAccount::Session> sessions;
    m_client->authClient()->listSessions(
        [&](const QList<VarnAccount::Session> &list) { sessions = list; });
    QTRY_COMPARE(sessions.size(), 2);
    const auto other = std::find_if(sessions.cbegin(), sessions.cend(),
                                    [](const VarnAccount::Session &s) { return !s.isCurrent; });
    QVERIFY(other != sessions.cend());
    const QDateTime active = VarnAccount::RelativeTime::parse(other->lastActiveAt);
    QVERIFY2(active.isValid(), qPrintable(other->lastActiveAt));
    const QDateTime now = active.addSecs(secondsLater);
    if (shown.isEmpty()) {
        shown = QLocale().toString(active.toLocalTime().date(), "MMM d, yyyy");
    }
    VarnAccount::AccountSecurityPage *page = m_screen->securityPage();
    page->setClock([now] { return now; });
    page->refresh();
    QTRY_VERIFY(showsText(page, "This session"));
    QVERIFY2(showsText(page, shown), qPrintable(shown));
    QVERIFY(showsText(page, "Current"));
    // The other session can be revoked; this one cannot.
    QCOMPARE(page->findChildren<QPushButton *>().size(), 1);
}

void AccountScreenTest::displayNameEdited()
{
    answer({"  Annie  "});
    m_screen->profilePage()->editDisplayName();
    QTRY_COMPARE(m_screen->statusLine()->text(), QString("Display name updated."));
    QTRY_VERIFY(showsText(m_screen->profilePage(), "Annie"));
    QCOMPARE(m_client->authClient()->currentUser().displayName, QString("Annie"));
    // Blank or cancelled: nothing is sent.
    const int patches = m_fixture->logCount("PATCH /api/v1/realms/varnaby/users/me");
    answer({"   "});
    m_screen->profilePage()->editDisplayName();
    answer({QString()});
    m_screen->profilePage()->editDisplayName();
    QCOMPARE(m_fixture->logCount("PATCH /api/v1/realms/varnaby/users/me"), patches);
}

LEDGERWELL_TEST(AccountScreenTest)
#include "accountscreen_test.moc"
