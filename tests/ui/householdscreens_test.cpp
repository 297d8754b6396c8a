#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/filetokenstore.h"
#include "account/syncinstallation.h"
#include "account/tokenclaims.h"
#include "account/tokenmanager.h"
#include "support/httptestclient.h"
#include "support/serverprocess.h"
#include "support/testrunner.h"
#include "ui/accountgrouppage.h"
#include "ui/accountprivacypage.h"
#include "ui/accountscreen.h"
#include "ui/accountwindows.h"
#include "ui/sharemembersdialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>
#include <QUuid>

using VarnAccount::AccountPrompts;
using VarnAccount::AccountScreen;
using VarnAccount::AccountSharingService;
using VarnAccount::ShareMembersDialog;

namespace {

const char *const kPassword = "a household password";
const QString kAnn = QStringLiteral("ann@example.org");
const QString kBob = QStringLiteral("bob@example.org");
const QString kCy = QStringLiteral("cy@example.org");

QStringList labelTexts(QWidget *page)
{
    QStringList texts;
    for (const QLabel *label : page->findChildren<QLabel *>()) {
        texts << label->text();
    }
    return texts;
}

QStringList buttonTexts(QWidget *page)
{
    QStringList texts;
    for (const QPushButton *button : page->findChildren<QPushButton *>()) {
        texts << button->text();
    }
    return texts;
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts << combo->itemText(i);
    }
    return texts;
}

} // namespace

// The group page, account deletion and the share dialog as a household meets them: Ann owns
// the group (made with "ledgerwell-server group create"), Bob and Cy join it with codes she
// generates on her group page; all against a real ledgerwell-server.
class HouseholdScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void groupPageByRole();
    void deleteAccountByRole_data();
    void deleteAccountByRole();
    void memberSchedulesDeletion();
    void shareDialogWithTheServer();

private:
    std::unique_ptr<VarnAccount::Client> signedIn(const QString &email);
    std::unique_ptr<AccountScreen> screenFor(VarnAccount::Client *client);
    // Ann's group page generates a code; the person's own page joins with it.
    bool joinThroughPages(VarnAccount::Client *client);

    std::unique_ptr<ServerProcess> m_server;
    HttpTestClient m_http;
    std::unique_ptr<VarnAccount::Client> m_ann;
    std::unique_ptr<AccountScreen> m_annScreen;
    QStringList m_answers;
    QStringList m_informed;
    QStringList m_questions;
};

void HouseholdScreensTest::init()
{
    m_server = std::make_unique<ServerProcess>();
    for (const auto &[email, name] : {std::pair{kAnn, "Ann"}, {kBob, "Bob"}, {kCy, "Cy"}}) {
        QVERIFY(
            m_server->addUser(email, QString::fromLatin1(kPassword), QString::fromLatin1(name)));
    }
    QCOMPARE(m_server->runCommand({"group", "create", kAnn, "The Harbour House"}, {}), 0);
    QVERIFY(m_server->start());
    m_ann = signedIn(kAnn);
    m_annScreen = screenFor(m_ann.get());
    m_answers.clear();
    m_informed.clear();
    m_questions.clear();
}

void HouseholdScreensTest::cleanup()
{
    m_annScreen.reset();
    m_ann.reset();
    m_server.reset();
}

std::unique_ptr<VarnAccount::Client> HouseholdScreensTest::signedIn(const QString &email)
{
    QUrl form = m_server->baseUrl();
    form.setPath(QStringLiteral("/varnaby/account/login"));
    const auto posted = m_http.postForm(form, {{"client_id", "c"},
                                               {"redirect_uri", "http://localhost:1/callback"},
                                               {"email", email},
                                               {"password", QString::fromLatin1(kPassword)}});
    const QUrlQuery query(QUrl::fromEncoded(posted.location));
    const QString root = m_server->baseUrl().toString();
    VarnAccount::ClientConfig config;
    config.authBaseUrl = root;
    config.realmSlug = QStringLiteral("varnaby");
    config.accountApiUrl = root + QStringLiteral("/account/v1");
    config.syncApiUrl = root + QStringLiteral("/ledgerwell/v1");
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("org.example.Ledgerwell");
    config.appVersion = QStringLiteral("1.0.4");
    auto client = std::make_unique<VarnAccount::Client>(
        config, std::make_unique<VarnAccount::FileTokenStore>(
                    m_server->dataDir() + QStringLiteral("/tokens-") + email + ".json"));
    client->syncApi()->setBaseUrl(QUrl(config.syncApiUrl));
    client->tokenManager()->setTokens(query.queryItemValue(QStringLiteral("access_token")),
                                      query.queryItemValue(QStringLiteral("refresh_token")));
    client->initialize();
    return client;
}

std::unique_ptr<AccountScreen> HouseholdScreensTest::screenFor(VarnAccount::Client *client)
{
    auto screen = std::make_unique<AccountScreen>(client);
    AccountPrompts prompts;
    prompts.input = [this](QWidget *, const QString &, const QString &, QLineEdit::EchoMode,
                           const QString &) -> std::optional<QString> {
        if (m_answers.isEmpty()) {
            return std::nullopt;
        }
        return m_answers.takeFirst();
    };
    prompts.question = [this](QWidget *, const QString &title, const QString &text) {
        m_questions << title + QLatin1Char('|') + text;
        return true;
    };
    prompts.information = [this](QWidget *, const QString &title, const QString &text) {
        m_informed << title + QLatin1Char('|') + text;
    };
    screen->setPrompts(prompts);
    return screen;
}

bool HouseholdScreensTest::joinThroughPages(VarnAccount::Client *client)
{
    m_informed.clear();
    m_annScreen->groupPage()->generateCode();
    if (!QTest::qWaitFor([this] { return !m_informed.isEmpty(); }, 30000)) {
        return false;
    }
    const QString prefix =
        QStringLiteral("Invite Code|Share this code with the person you want to invite:\n\n");
    if (!m_informed.first().startsWith(prefix)) {
        return false;
    }
    auto screen = screenFor(client);
    m_answers = {QStringLiteral("  ") + m_informed.first().mid(prefix.size()) +
                 QStringLiteral(" ")};
    screen->groupPage()->joinWithCode();
    return QTest::qWaitFor([&] { return !screen->statusLine()->text().isEmpty(); }, 30000) &&
           screen->statusLine()->text() == QLatin1String("Joined group.");
}

void HouseholdScreensTest::groupPageByRole()
{
    auto bob = signedIn(kBob);
    auto bobScreen = screenFor(bob.get());
    bobScreen->groupPage()->refresh();
    QTRY_VERIFY(labelTexts(bobScreen->groupPage()).contains("No Group"));
    QCOMPARE(buttonTexts(bobScreen->groupPage()), QStringList{"Join with Invite Code"});
    // A wrong code is refused with the page's own words.
    m_answers = {QStringLiteral("NOT-A-CODE")};
    bobScreen->groupPage()->joinWithCode();
    QTRY_COMPARE(bobScreen->statusLine()->text(), QString("Invalid or expired invite code."));

    QVERIFY(joinThroughPages(bob.get()));
    m_annScreen->groupPage()->refresh();
    QTRY_VERIFY(labelTexts(m_annScreen->groupPage()).contains("2 of 6 seats used"));
    const QStringList annLabels = labelTexts(m_annScreen->groupPage());
    QVERIFY(annLabels.contains("The Harbour House"));
    QVERIFY(annLabels.contains("Owner"));
    QVERIFY(annLabels.contains("Invite Members"));
    // Only Bob can be removed; the owner's own row has no button.
    QCOMPARE(buttonTexts(m_annScreen->groupPage()).count("Remove"), 1);
    QVERIFY(buttonTexts(m_annScreen->groupPage()).contains("Generate Invite Code"));

    // Joining renewed Bob's token: it carries his role now.
    QCOMPARE(VarnAccount::TokenClaims::groupRole(bob->tokenManager()->accessToken()),
             QString("member"));
    bobScreen->groupPage()->refresh();
    QTRY_VERIFY(buttonTexts(bobScreen->groupPage()).contains("Leave Group"));
    QVERIFY(!buttonTexts(bobScreen->groupPage()).contains("Remove"));
    QVERIFY(!labelTexts(bobScreen->groupPage()).contains("Pending Invitations"));

    // An invitation by e-mail is listed for the owner and can be revoked.
    m_answers = {QStringLiteral(" cy@example.org ")};
    m_annScreen->groupPage()->inviteByEmail();
    QTRY_COMPARE(m_annScreen->statusLine()->text(), QString("Invitation sent."));
    QTRY_VERIFY(labelTexts(m_annScreen->groupPage()).contains("cy@example.org"));
    QVERIFY(labelTexts(m_annScreen->groupPage()).contains("Pending Invitations"));

    // The owner removes Bob.
    const QList<QPushButton *> buttons = m_annScreen->groupPage()->findChildren<QPushButton *>();
    const auto removeBob = std::find_if(buttons.cbegin(), buttons.cend(), [](QPushButton *b) {
        return b->text() == QLatin1String("Remove");
    });
    QVERIFY(removeBob != buttons.cend());
    (*removeBob)->click();
    QCOMPARE(m_questions.last(), QString("Remove Member|Remove Bob from the group?"));
    QTRY_COMPARE(m_annScreen->statusLine()->text(), QString("Bob removed."));
    QTRY_VERIFY(labelTexts(m_annScreen->groupPage()).contains("1 of 6 seats used"));
}

void HouseholdScreensTest::deleteAccountByRole_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("joins");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("owner") << kAnn << false << false;
    QTest::newRow("member") << kBob << true << true;
    QTest::newRow("no group") << kCy << false << true;
}

void HouseholdScreensTest::deleteAccountByRole()
{
    QFETCH(QString, email);
    QFETCH(bool, joins);
    QFETCH(bool, enabled);
    auto client = signedIn(email);
    if (joins) {
        QVERIFY(joinThroughPages(client.get()));
        client = signedIn(email); // a sign-in after joining
    }
    auto screen = screenFor(client.get());
    screen->privacyPage()->refresh();
    QTRY_VERIFY(screen->privacyPage()->deleteButton());
    // The page is built again once the profile has arrived.
    QTest::qWait(200);
    QTRY_COMPARE(screen->privacyPage()->deleteButton()->isEnabled(), enabled);
    QLabel *note = screen->privacyPage()->ownerNote();
    QCOMPARE(note != nullptr, !enabled);
    if (note) {
        QCOMPARE(note->text(), QString("You are the group owner. Transfer ownership or remove all "
                                       "members before deleting your account."));
        QCOMPARE(note->font().pointSizeF(), std::max(7.0, QApplication::font().pointSizeF() - 1));
    }
}

void HouseholdScreensTest::memberSchedulesDeletion()
{
    auto cy = signedIn(kCy);
    auto screen = screenFor(cy.get());
    QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
    m_answers = {QStringLiteral("DELETE")};
    screen->privacyPage()->deleteAccount();
    QTRY_COMPARE(logout.count(), 1);
    QCOMPARE(m_informed, QStringList{"Account Scheduled for Deletion|Your account will be "
                                     "permanently deleted in 30 days. You can recover it by "
                                     "signing in before then."});
    VarnAccount::Profile profile;
    bool done = false;
    cy->accountClient()->getProfile([&](const VarnAccount::Profile &p) {
        profile = p;
        done = true;
    });
    QTRY_VERIFY(done);
    QCOMPARE(profile.status, QString("pending_deletion"));
}

void HouseholdScreensTest::shareDialogWithTheServer()
{
    auto bob = signedIn(kBob);
    auto cy = signedIn(kCy);
    QVERIFY(joinThroughPages(bob.get()));
    QVERIFY(joinThroughPages(cy.get()));

    // Ann's account reaches the server through her installation's sync.
    SyncInstallation install(QStringLiteral("ann"), m_ann->config());
    install.signIn(m_ann->tokenManager()->accessToken(), m_ann->tokenManager()->refreshToken());
    Account joint;
    joint.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    joint.name = QStringLiteral("Joint Checking");
    QVERIFY(install.accountService()->create(joint, QDate(2026, 11, 1)));
    QVERIFY(install.sync());

    AccountSharingService service(m_ann->syncApi());
    ShareMembersDialog dialog(joint.id, &service, m_ann->accountClient(),
                              AccountWindows::shareTexts(joint.name));
    QStringList warnings;
    dialog.setMessage([&](QWidget *, const QString &title, const QString &text) {
        warnings << title + QLatin1Char('|') + text;
    });
    QSignalSpy changed(&dialog, &ShareMembersDialog::sharingChanged);
    QTRY_VERIFY(!dialog.isLoading());
    // The server lists Ann as the owner: not shown, not offered.
    QCOMPARE(itemTexts(dialog.sharesList()), QStringList{"Not shared with anyone yet."});
    QCOMPARE(itemTexts(dialog.memberCombo()),
             (QStringList{"Bob (bob@example.org)", "Cy (cy@example.org)"}));

    dialog.memberCombo()->setCurrentIndex(0);
    dialog.shareButton()->click();
    QCOMPARE(dialog.shareButton()->text(), QString("Sharing..."));
    QVERIFY(!dialog.shareButton()->isEnabled());
    QTRY_COMPARE(itemTexts(dialog.sharesList()), QStringList{"Bob (bob@example.org)"});
    QCOMPARE(dialog.shareButton()->text(), QString("Share"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(itemTexts(dialog.memberCombo()), QStringList{"Cy (cy@example.org)"});

    // Cy leaves the group while the dialog still offers her: the server's refusal is shown.
    bool left = false;
    cy->accountClient()->leaveGroup([&](bool ok) { left = ok; });
    QTRY_VERIFY(left);
    dialog.shareButton()->click();
    QTRY_COMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first(), QString("Share Failed|Only members of your group can be added."));
    QCOMPARE(changed.count(), 1);
    QVERIFY(dialog.shareButton()->isEnabled());

    dialog.refreshAll();
    QTRY_VERIFY(!dialog.isLoading());
    QCOMPARE(itemTexts(dialog.memberCombo()), QStringList{"All group members already added"});
    QVERIFY(!dialog.memberCombo()->isEnabled());
    QVERIFY(!dialog.shareButton()->isEnabled());
}

LEDGERWELL_TEST(HouseholdScreensTest)
#include "householdscreens_test.moc"
