#pragma once

#include "account/accountrecords.h"
#include "accountpage.h"

#include <QDateTime>

#include <functional>

namespace VarnAccount {

// The devices that have synced with the account, each removable.
class AccountDevicesPage final : public AccountPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountDevicesPage)

public:
    AccountDevicesPage(Client *client, const AccountPrompts *prompts, QWidget *parent = nullptr);

    void refresh() override;
    // The clock the relative times are measured against (tests fix it).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

public slots:
    void removeDevice(const Device &device);

private:
    void render(const QList<Device> &devices);

    std::function<QDateTime()> m_now;
};

} // namespace VarnAccount
