#pragma once

#include "accountpage.h"

class QLabel;
class QPushButton;

namespace VarnAccount {

// Account deletion: scheduled after typing DELETE, and refused to a group owner, whose group
// would be left without one.
class AccountPrivacyPage final : public AccountPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountPrivacyPage)

public:
    AccountPrivacyPage(Client *client, const AccountPrompts *prompts, QWidget *parent = nullptr);

    void refresh() override;
    QPushButton *deleteButton() const { return m_delete; }
    QLabel *ownerNote() const { return m_ownerNote; }

signals:
    void logoutRequested();

public slots:
    void deleteAccount();

private:
    void render();

    QPushButton *m_delete = nullptr;
    QLabel *m_ownerNote = nullptr;
};

} // namespace VarnAccount
