#include "accountsecuritypage.h"

#include "account/authclient.h"
#include "account/client.h"
#include "account/relativetime.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace VarnAccount {

AccountSecurityPage::AccountSecurityPage(Client *client, const AccountPrompts *prompts,
                                         QWidget *parent)
    : AccountPage(tr("Security"), client, prompts, parent)
    , m_now([] { return QDateTime::currentDateTimeUtc(); })
{
}

QString AccountSecurityPage::clientText(const QString &userAgent)
{
    if (userAgent.isEmpty()) {
        return tr("Unknown client");
    }
    constexpr int kLongest = 60;
    return userAgent.size() > kLongest ? userAgent.left(kLongest) + QStringLiteral("...")
                                       : userAgent;
}

void AccountSecurityPage::refresh()
{
    QPointer<AccountSecurityPage> self(this);
    m_client->authClient()->listSessions([self](const QList<Session> &sessions) {
        if (self) {
            self->render(sessions);
        }
    });
}

void AccountSecurityPage::render(const QList<Session> &sessions)
{
    clearContent();
    addSection(tr("Active Sessions"));
    addText(tr("Sessions currently signed in to your account."));
    if (sessions.isEmpty()) {
        addText(tr("No active sessions."));
        return;
    }
    const QDateTime now = m_now();
    for (const Session &session : sessions) {
        QString when = session.isCurrent ? tr("This session")
                                         : RelativeTime::format(session.lastActiveAt, now);
        if (!session.ipAddress.isEmpty()) {
            when += QStringLiteral("  \u00B7  %1").arg(session.ipAddress);
        }
        QHBoxLayout *row =
            addRow({clientText(session.userAgent).toHtmlEscaped(), when.toHtmlEscaped()});
        if (session.isCurrent) {
            auto *mark = new QLabel(tr("Current"));
            mark->setStyleSheet(QStringLiteral("color: #2E7D32; font-weight: 600;"));
            row->addWidget(mark, 0, Qt::AlignVCenter);
        } else {
            const QString id = session.id;
            connect(addButton(tr("Revoke"), row), &QPushButton::clicked, this,
                    [this, id] { revokeSession(id); });
        }
    }
}

void AccountSecurityPage::revokeSession(const QString &id)
{
    m_client->authClient()->revokeSession(id);
    emit status(tr("Session revoked."), false);
    // The revocation and the new list travel separately; a short pause lets the server apply
    // the first before answering the second.
    QPointer<AccountSecurityPage> self(this);
    QTimer::singleShot(300, this, [self] {
        if (self) {
            self->refresh();
        }
    });
}

} // namespace VarnAccount
