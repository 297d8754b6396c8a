#include "account/accountclient.h"
#include "account/accountfixture.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"
#include "account/scriptedserver.h"
#include "account/tokenmanager.h"
#include "support/testrunner.h"
#include "ui/accountwindows.h"
#include "ui/sharemembersdialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using VarnAccount::AccountSharingService;
using VarnAccount::ShareMembersDialog;

namespace {

const QByteArray kProfile = R"({"id":"u1","email":"ann@x.org","display_name":"Ann"})";

QByteArray member(const char *id, const char *name, const char *mail, const char *role)
{
    return QByteArray(R"({"account_id":")") + id + R"(","display_name":")" + name +
           R"(","email":")" + mail + R"(","role":")" + role + R"("})";
}

QByteArray groupOf(const QByteArrayList &members)
{
    return R"({"id":"g1","name":"Home","max_seats":6,"members":[)" + members.join(',') + "]}";
}

const QByteArray kAnn = member("u1", "Ann", "ann@x.org", "owner");
const QByteArray kBob = member("u2", "Bob", "bob@x.org", "member");
const QByteArray kCy = member("u3", "Cy", "cy@x.org", "member");
const QByteArray kDee = member("u4", "", "dee@x.org", "member");

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i) {
        result << list->item(i)->text();
    }
    return result;
}

QStringList texts(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i) {
        result << combo->itemText(i);
    }
    return result;
}

} // namespace

// What the share dialog lists and offers, from replies a test has to shape itself (shares of
// people who have left the group, the owner's own row); the account and sync APIs are two
// scripted servers, so each sees its requests in order.
class ShareDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listing_data();
    void listing();
    void removeSelected_data();
    void removeSelected();
    void windowTexts();

private:
    std::unique_ptr<ShareMembersDialog> open(const QByteArray &group, const QByteArray &shares);

    AccountFixture m_fixture;
    std::unique_ptr<ScriptedServer> m_accountApi;
    std::unique_ptr<ScriptedServer> m_syncApi;
    std::unique_ptr<VarnAccount::Client> m_client;
    std::unique_ptr<AccountSharingService> m_service;
};

void ShareDialogTest::init()
{
    m_accountApi = std::make_unique<ScriptedServer>();
    m_syncApi = std::make_unique<ScriptedServer>();
    const QString account = QStringLiteral("http://127.0.0.1:%1").arg(m_accountApi->port());
    m_client = m_fixture.client(QUrl(account));
    m_client->accountApi()->setBaseUrl(QUrl(account + "/account/v1"));
    m_client->syncApi()->setBaseUrl(
        QUrl(QStringLiteral("http://127.0.0.1:%1/ledgerwell/v1").arg(m_syncApi->port())));
    m_client->tokenManager()->setTokens(AccountFixture::unsignedToken(600), QStringLiteral("r"));
    m_service = std::make_unique<AccountSharingService>(m_client->syncApi());
}

void ShareDialogTest::cleanup()
{
    m_service.reset();
    m_client.reset();
    m_syncApi.reset();
    m_accountApi.reset();
}

std::unique_ptr<ShareMembersDialog> ShareDialogTest::open(const QByteArray &group,
                                                          const QByteArray &shares)
{
    m_accountApi->script({{200, kProfile}, {200, group}});
    m_syncApi->script({{200, R"({"members":[)" + shares + "]}"}});
    auto dialog = std::make_unique<ShareMembersDialog>(
        "acc-1", m_service.get(), m_client->accountClient(), AccountWindows::shareTexts("Joint"));
    return dialog;
}

void ShareDialogTest::listing_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("shares");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<bool>("canShare");

    const QByteArray ownerRow = R"({"user_id":"u1","email":"ann@x.org","role":"owner"})";
    const QByteArray bobShare =
        R"({"user_id":"u2","email":"bob@x.org","display_name":"Bob","role":"member"})";
    QTest::newRow("owner row and own user left out")
        << groupOf({kAnn, kBob, kCy}) << ownerRow + ',' + bobShare << QStringList{"Bob (bob@x.org)"}
        << QStringList{"Cy (cy@x.org)"} << true;
    QTest::newRow("everyone already added")
        << groupOf({kAnn, kBob, kCy})
        << ownerRow + ',' + bobShare + R"(,{"user_id":"u3","role":"member"})"
        << QStringList{"Bob (bob@x.org)", "Cy (cy@x.org)"}
        << QStringList{"All group members already added"} << false;
    QTest::newRow("left the group, nameless")
        << groupOf({kAnn, kBob}) << QByteArray(R"({"user_id":"u9","role":"member"})")
        << QStringList{"u9"} << QStringList{"Bob (bob@x.org)"} << true;
    QTest::newRow("name taken from the group")
        << groupOf({kAnn, kBob, kDee})
        << QByteArray(R"({"user_id":"u2","role":"member"},{"user_id":"u4","role":"member"})")
        << QStringList{"Bob (bob@x.org)", "dee@x.org"}
        << QStringList{"All group members already added"} << false;
    QTest::newRow("mail only in the combo")
        << groupOf({kAnn, kDee}) << ownerRow << QStringList{"Not shared with anyone yet."}
        << QStringList{"dee@x.org"} << true;
    QTest::newRow("name only") << groupOf({kAnn, kBob})
                               << QByteArray(R"({"user_id":"u2","display_name":"Bobby"})")
                               << QStringList{"Bobby (bob@x.org)"}
                               << QStringList{"All group members already added"} << false;
}

void ShareDialogTest::listing()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, shares);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, offered);
    QFETCH(bool, canShare);
    auto dialog = open(group, shares);
    QTRY_VERIFY(!dialog->isLoading());
    QCOMPARE(texts(dialog->sharesList()), listed);
    QCOMPARE(texts(dialog->memberCombo()), offered);
    QCOMPARE(dialog->memberCombo()->isEnabled(), canShare);
    QCOMPARE(dialog->shareButton()->isEnabled(), canShare);
    QVERIFY(dialog->noGroupNotice()->isHidden());
    QVERIFY(!dialog->addRow()->isHidden());
    // Only rows holding a share can be selected and removed.
    QVERIFY(!dialog->removeButton()->isEnabled());
    for (int i = 0; i < dialog->sharesList()->count(); ++i) {
        QListWidgetItem *item = dialog->sharesList()->item(i);
        const bool share = !item->data(Qt::UserRole).toString().isEmpty();
        QCOMPARE(bool(item->flags() & Qt::ItemIsSelectable), share);
        QVERIFY(item->data(Qt::UserRole).toString() != QLatin1String("u1"));
    }
    QCOMPARE(m_accountApi->requests().at(0).target, QByteArray("/account/v1/profile"));
    QCOMPARE(m_accountApi->requests().at(1).target, QByteArray("/account/v1/group"));
    QCOMPARE(m_syncApi->requests().at(0).target,
             QByteArray("/ledgerwell/v1/accounts/acc-1/members"));
}

void ShareDialogTest::removeSelected_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("warning");
    QTest::newRow("answered No") << false << 0 << QString();
    QTest::newRow("removed") << true << 200 << QString();
    QTest::newRow("refused") << true << 500 << "Remove Failed|Could not remove share.";
}

void ShareDialogTest::removeSelected()
{
    QFETCH(bool, confirmed);
    QFETCH(int, status);
    QFETCH(QString, warning);
    const QByteArray bobShare = R"({"user_id":"u2","display_name":"Bob","role":"member"})";
    auto dialog = open(groupOf({kAnn, kBob, kCy}), bobShare);
    QTRY_VERIFY(!dialog->isLoading());
    QString asked;
    QStringList warnings;
    dialog->setQuestion([&](QWidget *, const QString &title, const QString &text) {
        asked = title + '|' + text;
        return confirmed;
    });
    dialog->setMessage([&](QWidget *, const QString &title, const QString &text) {
        warnings << title + '|' + text;
    });
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    dialog->sharesList()->setCurrentRow(0);
    QVERIFY(dialog->removeButton()->isEnabled());
    m_syncApi->script({{status, "{}"}, {200, R"({"members":[]})"}});
    dialog->removeButton()->click();
    QCOMPARE(asked, QString("Remove Share|Remove Bob (bob@x.org)'s access to this account?"));
    if (!confirmed) {
        QCOMPARE(m_syncApi->requests().size(), 1);
        return;
    }
    QTRY_VERIFY(m_syncApi->requests().size() >= 2);
    QCOMPARE(m_syncApi->requests().at(1).method, QByteArray("DELETE"));
    QCOMPARE(m_syncApi->requests().at(1).target,
             QByteArray("/ledgerwell/v1/accounts/acc-1/share/u2"));
    if (warning.isEmpty()) {
        QTRY_COMPARE(texts(dialog->sharesList()), QStringList{"Not shared with anyone yet."});
        QCOMPARE(changed.count(), 1);
        QVERIFY(warnings.isEmpty());
    } else {
        QTRY_COMPARE(warnings, QStringList{warning});
        QCOMPARE(changed.count(), 0);
        QCOMPARE(texts(dialog->sharesList()), QStringList{"Bob (bob@x.org)"});
    }
}

void ShareDialogTest::windowTexts()
{
    auto dialog = open(QByteArray("{}"), QByteArray());
    QTRY_VERIFY(!dialog->isLoading());
    QCOMPARE(dialog->windowTitle(), QString("Share Account"));
    QCOMPARE(dialog->minimumSize(), QSize(520, 520));
    QCOMPARE(dialog->size(), QSize(560, 560));
    QVERIFY(dialog->shareButton()->isDefault());
    QCOMPARE(dialog->sharesList()->minimumHeight(), 160);
    QCOMPARE(dialog->memberCombo()->minimumWidth(), 280);
    const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(),
                        [](const QLabel *l) { return l->text() == "Sharing: Joint"; }));
    // No group: the notice instead of the add row, and the empty list says so.
    QVERIFY(!dialog->noGroupNotice()->isHidden());
    QVERIFY(dialog->addRow()->isHidden());
    QCOMPARE(texts(dialog->sharesList()), QStringList{"Not shared with anyone yet."});
    QCOMPARE(dialog->sharesList()->item(0)->foreground().color(), QColor("#888888"));
}

LEDGERWELL_TEST(ShareDialogTest)
#include "sharedialog_test.moc"
