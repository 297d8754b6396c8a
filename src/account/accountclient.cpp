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

void AccountClient::send(const QByteArray &method, const QString &path, const QJsonObject &body,
                         Done callback, bool changesGroup)
{
    ApiClient::Callback reply = [this, callback, changesGroup](bool ok, int, const QJsonObject &) {
        if (ok && changesGroup) {
            emit groupChanged();
        }
        if (callback) {
            callback(ok);
        }
    };
    if (method == "DELETE") {
        m_api->remove(path, reply);
    } else {
        m_api->post(path, body, reply);
    }
}

void AccountClient::getProfile(std::function<void(const Profile &)> callback)
{
    m_api->get(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback) {
            callback(ok ? Profile::fromJson(body) : Profile());
        }
    });
}

void AccountClient::getGroup(std::function<void(const Group &)> callback)
{
    m_api->get(QStringLiteral("/group"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback) {
            callback(ok ? Group::fromJson(body) : Group());
        }
    });
}

void AccountClient::invite(const QJsonObject &body,
                           std::function<void(const GroupInvitation &)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), body,
                [this, callback](bool ok, int, const QJsonObject &reply) {
                    if (ok) {
                        emit groupChanged();
                    }
                    if (callback) {
                        callback(ok ? GroupInvitation::fromJson(reply) : GroupInvitation());
                    }
                });
}

void AccountClient::inviteByEmail(const QString &email,
                                  std::function<void(const GroupInvitation &)> callback)
{
    invite({{QStringLiteral("email"), email}}, std::move(callback));
}

void AccountClient::generateInviteCode(std::function<void(const GroupInvitation &)> callback)
{
    invite(QJsonObject(), std::move(callback));
}

void AccountClient::joinGroup(const QString &code, Done callback)
{
    const QString path =
        QStringLiteral("/group/join/%1").arg(QString::fromLatin1(QUrl::toPercentEncoding(code)));
    send("POST", path, QJsonObject(), std::move(callback), true);
}

void AccountClient::leaveGroup(Done callback)
{
    send("POST", QStringLiteral("/group/leave"), QJsonObject(), std::move(callback), true);
}

void AccountClient::removeMember(const QString &accountId, Done callback)
{
    send("DELETE", QStringLiteral("/group/members/%1").arg(accountId), QJsonObject(),
         std::move(callback), true);
}

void AccountClient::revokeInvitation(const QString &id, Done callback)
{
    send("DELETE", QStringLiteral("/group/invitations/%1").arg(id), QJsonObject(),
         std::move(callback), true);
}

void AccountClient::registerDevice(Done callback)
{
    const QJsonObject device{
        {QStringLiteral("device_name"), QSysInfo::machineHostName()},
        {QStringLiteral("platform"), DeviceIdentity::platformName()},
        {QStringLiteral("app_id"), m_config.appId},
        {QStringLiteral("app_version"), m_config.appVersion},
        {QStringLiteral("device_fingerprint"), DeviceIdentity::deviceFingerprint()}};
    send("POST", QStringLiteral("/devices/register"), device, std::move(callback), false);
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

void AccountClient::removeDevice(const QString &id, Done callback)
{
    send("DELETE", QStringLiteral("/devices/%1").arg(id), QJsonObject(), std::move(callback),
         false);
}

void AccountClient::deleteAccount(Done callback)
{
    send("DELETE", QStringLiteral("/profile"), QJsonObject(), std::move(callback), false);
}

} // namespace VarnAccount
