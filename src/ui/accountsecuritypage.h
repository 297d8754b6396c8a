#pragma once

#include "account/accountrecords.h"
#include "accountpage.h"

#include <QDateTime>

#include <functional>

namespace VarnAccount {

// The sessions signed in to the account; every one but this one can be revoked.
class AccountSecurityPage final : public AccountPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountSecurityPage)

public:
    AccountSecurityPage(Client *client, const AccountPrompts *prompts, QWidget *parent = nullptr);

    void refresh() override;
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // The user agent as listed: "Unknown client" when empty, cut to 60 characters and "...".
    static QString clientText(const QString &userAgent);

public slots:
    void revokeSession(const QString &id);

private:
    void render(const QList<Session> &sessions);

    std::function<QDateTime()> m_now;
};

} // namespace VarnAccount
