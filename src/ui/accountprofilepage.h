#pragma once

#include "accountpage.h"

namespace VarnAccount {

// The user's display name and e-mail, and the password change.
class AccountProfilePage final : public AccountPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountProfilePage)

public:
    AccountProfilePage(Client *client, const AccountPrompts *prompts, QWidget *parent = nullptr);

    void refresh() override;

public slots:
    void editDisplayName();
    void changePassword();

private:
    void render(const QString &displayName, const QString &email);

    QString m_displayName;
};

} // namespace VarnAccount
