#include "account/accountclient.h"

#include "account/apiclient.h"
#include "account/deviceidentity.h"

#include <QJsonArray>
#include <QSysInfo>

namespace VarnAccount {

AccountClient::AccountClient(ApiClient *api, AuthClient *auth, const ClientConfig &config,
                             QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_auth(auth)
    , m_config(config)
{
}

void AccountClient::registerDevice(std::function<void(bool)> callback)
{
    const QJsonObject device{
        {QStringLiteral("device_name"), QSysInfo::machineHostName()},
        {QStringLiteral("platform"), DeviceIdentity::platformName()},
        {QStringLiteral("app_id"), m_config.appId},
        {QStringLiteral("app_version"), m_config.appVersion},
        {QStringLiteral("device_fingerprint"), DeviceIdentity::deviceFingerprint()}};
    m_api->post(QStringLiteral("/devices/register"), device,
                [callback](bool ok, int, const QJsonObject &) {
                    if (callback) {
                        callback(ok);
                    }
                });
}

void AccountClient::getDevices(std::function<void(const QList<Device> &)> callback)
{
    m_api->get(QStringLiteral("/devices"), [callback](bool, int, const QJsonObject &body) {
        QList<Device> devices;
        for (const QJsonValue &v : body.value(QStringLiteral("devices")).toArray()) {
            devices.append(Device::fromJson(v.toObject()));
        }
        if (callback) {
            callback(devices);
        }
    });
}

void AccountClient::removeDevice(const QString &id)
{
    m_api->remove(QStringLiteral("/devices/%1").arg(id), nullptr);
}

} // namespace VarnAccount
