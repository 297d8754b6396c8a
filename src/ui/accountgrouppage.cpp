#include "accountgrouppage.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "accountprompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace VarnAccount {

AccountGroupPage::AccountGroupPage(Client *client, const AccountPrompts *prompts, QWidget *parent)
    : AccountPage(tr("Group"), client, prompts, parent)
{
}

void AccountGroupPage::refresh()
{
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->getGroup([self](const Group &group) {
        if (self) {
            self->render(group);
        }
    });
}

void AccountGroupPage::render(const Group &group)
{
    clearContent();
    if (group.id.isEmpty()) {
        renderNoGroup();
        return;
    }
    const bool owner = isGroupOwner();
    addSection(group.name);
    addText(tr("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats));
    renderMembers(group, owner);
    if (owner) {
        renderInvitations(group);
        addSection(tr("Invite Members"));
        auto *row = new QHBoxLayout;
        content()->addLayout(row);
        connect(addButton(tr("Invite by Email"), row), &QPushButton::clicked, this,
                &AccountGroupPage::inviteByEmail);
        connect(addButton(tr("Generate Invite Code"), row), &QPushButton::clicked, this,
                &AccountGroupPage::generateCode);
        row->addStretch(1);
    } else {
        connect(addButton(tr("Leave Group")), &QPushButton::clicked, this,
                &AccountGroupPage::leave);
    }
}

void AccountGroupPage::renderNoGroup()
{
    addSection(tr("No Group"));
    addText(tr("You're not part of a group. The group owner can invite you, or you can join with "
               "an invite code."));
    connect(addButton(tr("Join with Invite Code")), &QPushButton::clicked, this,
            &AccountGroupPage::joinWithCode);
}

void AccountGroupPage::renderMembers(const Group &group, bool owner)
{
    addSection(tr("Members"));
    for (const GroupMember &member : group.members) {
        const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
        QHBoxLayout *row = addRow({name.toHtmlEscaped(), member.email.toHtmlEscaped()});
        if (member.role == QLatin1String("owner")) {
            auto *mark = new QLabel(tr("Owner"));
            mark->setStyleSheet(QStringLiteral("color: #00897B; font-weight: 600;"));
            row->addWidget(mark, 0, Qt::AlignVCenter);
        } else if (owner) {
            connect(addButton(tr("Remove"), row), &QPushButton::clicked, this,
                    [this, member] { removeMember(member); });
        }
    }
}

void AccountGroupPage::renderInvitations(const Group &group)
{
    if (group.pendingInvitations.isEmpty()) {
        return;
    }
    addSection(tr("Pending Invitations"));
    for (const GroupInvitation &invitation : group.pendingInvitations) {
        // An invitation sent to someone is known by their address; one by code alone, by it.
        const QString text = invitation.invitedEmail.isEmpty()
                                 ? tr("Invite code: %1").arg(invitation.inviteCode)
                                 : invitation.invitedEmail;
        QHBoxLayout *row = addRow({text.toHtmlEscaped()});
        const QString id = invitation.id;
        connect(addButton(tr("Revoke"), row), &QPushButton::clicked, this,
                [this, id] { revokeInvitation(id); });
    }
}

void AccountGroupPage::reloadWith(bool ok, const QString &success, const QString &failure)
{
    emit status(ok ? success : failure, !ok);
    if (ok) {
        refresh();
    }
}

void AccountGroupPage::renewRoleThen(bool ok, const QString &success, const QString &failure)
{
    if (!ok) {
        reloadWith(false, success, failure);
        return;
    }
    // The role in the group travels in the access token: a fresh one carries the new role, so
    // that this page and the deletion page offer what the server will allow.
    QPointer<AccountGroupPage> self(this);
    m_client->authClient()->refreshToken([self, success, failure](bool) {
        if (self) {
            self->reloadWith(true, success, failure);
        }
    });
}

void AccountGroupPage::joinWithCode()
{
    const QString code =
        m_prompts
            ->input(this, tr("Join Group"), tr("Enter invite code:"), QLineEdit::Normal, QString())
            .value_or(QString())
            .trimmed();
    if (code.isEmpty()) {
        return;
    }
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->joinGroup(code, [self](bool ok) {
        if (self) {
            self->renewRoleThen(ok, tr("Joined group."), tr("Invalid or expired invite code."));
        }
    });
}

void AccountGroupPage::inviteByEmail()
{
    const QString email =
        m_prompts
            ->input(this, tr("Invite by Email"), tr("Email address:"), QLineEdit::Normal, QString())
            .value_or(QString())
            .trimmed();
    if (email.isEmpty()) {
        return;
    }
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->inviteByEmail(email, [self](const GroupInvitation &invitation) {
        if (self) {
            self->reloadWith(!invitation.id.isEmpty(), tr("Invitation sent."),
                             tr("Failed to send invitation."));
        }
    });
}

void AccountGroupPage::generateCode()
{
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->generateInviteCode([self](const GroupInvitation &invitation) {
        if (!self) {
            return;
        }
        if (invitation.inviteCode.isEmpty()) {
            emit self->status(tr("Failed to generate code."), true);
            return;
        }
        self->m_prompts->information(self, tr("Invite Code"),
                                     tr("Share this code with the person you want to invite:\n\n%1")
                                         .arg(invitation.inviteCode));
        self->refresh();
    });
}

void AccountGroupPage::leave()
{
    if (!m_prompts->question(this, tr("Leave Group"),
                             tr("Leave this group? You will lose access to shared data."))) {
        return;
    }
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->leaveGroup([self](bool ok) {
        if (self) {
            self->renewRoleThen(ok, tr("Left group."), tr("Failed to leave group."));
        }
    });
}

void AccountGroupPage::removeMember(const GroupMember &member)
{
    const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
    if (!m_prompts->question(this, tr("Remove Member"),
                             tr("Remove %1 from the group?").arg(name))) {
        return;
    }
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->removeMember(member.accountId, [self, name](bool ok) {
        if (self) {
            self->reloadWith(ok, tr("%1 removed.").arg(name), tr("Failed to remove member."));
        }
    });
}

void AccountGroupPage::revokeInvitation(const QString &id)
{
    QPointer<AccountGroupPage> self(this);
    m_client->accountClient()->revokeInvitation(id, [self](bool ok) {
        if (self) {
            self->reloadWith(ok, tr("Invitation revoked."), tr("Failed to revoke invitation."));
        }
    });
}

} // namespace VarnAccount
