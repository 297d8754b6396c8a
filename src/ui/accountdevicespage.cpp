#include "accountdevicespage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "account/relativetime.h"
#include "accountprompts.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>

namespace VarnAccount {

AccountDevicesPage::AccountDevicesPage(Client *client, const AccountPrompts *prompts,
                                       QWidget *parent)
    : AccountPage(tr("Devices"), client, prompts, parent)
    , m_now([] { return QDateTime::currentDateTimeUtc(); })
{
}

void AccountDevicesPage::refresh()
{
    QPointer<AccountDevicesPage> self(this);
    m_client->accountClient()->getDevices([self](const QList<Device> &devices) {
        if (self) {
            self->render(devices);
        }
    });
}

void AccountDevicesPage::render(const QList<Device> &devices)
{
    clearContent();
    addSection(tr("Registered Devices"));
    addText(tr("Devices that have synced with your account."));
    if (devices.isEmpty()) {
        addText(tr("No devices registered."));
        return;
    }
    const QDateTime now = m_now();
    for (const Device &device : devices) {
        const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
        QString platform = device.platform;
        if (!device.appVersion.isEmpty()) {
            platform += QStringLiteral("  \u00B7  v%1").arg(device.appVersion);
        }
        QHBoxLayout *row =
            addRow({QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()), platform.toHtmlEscaped(),
                    RelativeTime::format(device.lastSyncAt, now)});
        connect(addButton(tr("Remove"), row), &QPushButton::clicked, this,
                [this, device] { removeDevice(device); });
    }
}

void AccountDevicesPage::removeDevice(const Device &device)
{
    const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
    if (!m_prompts->question(this, tr("Remove Device"), tr("Remove %1?").arg(name))) {
        return;
    }
    QPointer<AccountDevicesPage> self(this);
    m_client->accountClient()->removeDevice(device.id, [self](bool ok) {
        if (!self) {
            return;
        }
        emit self->status(ok ? tr("Device removed.") : tr("Failed to remove device."), !ok);
        if (ok) {
            self->refresh();
        }
    });
}

} // namespace VarnAccount
