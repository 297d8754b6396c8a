#pragma once

#include "account/accountrecords.h"
#include "accountpage.h"

namespace VarnAccount {

// The user's group: without one, joining with a code; with one, its members and, for the
// owner, removing members and inviting people; a member may leave.
class AccountGroupPage final : public AccountPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountGroupPage)

public:
    AccountGroupPage(Client *client, const AccountPrompts *prompts, QWidget *parent = nullptr);

    void refresh() override;

public slots:
    void joinWithCode();
    void inviteByEmail();
    void generateCode();
    void leave();
    void removeMember(const GroupMember &member);
    void revokeInvitation(const QString &id);

private:
    void render(const Group &group);
    void renderNoGroup();
    void renderMembers(const Group &group, bool owner);
    void renderInvitations(const Group &group);
    // Reports the outcome and shows the group as the server now has it.
    void reloadWith(bool ok, const QString &success, const QString &failure);
    // After joining or leaving: a fresh access token first, then as reloadWith.
    void renewRoleThen(bool ok, const QString &success, const QString &failure);
};

} // namespace VarnAccount
