#pragma once

#include "account/accountrecords.h"
#include "account/clientconfig.h"

#include <QObject>

#include <functional>

namespace VarnAccount {

class ApiClient;
class AuthClient;

// The account API: the profile and its deletion, the group with its members and invitations,
// and the devices registered to the account. Operations whose result the caller may ignore take
// an optional callback with the reply's success flag. A change to the group that the server
// accepted is announced with groupChanged.
class AccountClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountClient)

public:
    using Done = std::function<void(bool ok)>;

    AccountClient(ApiClient *api, AuthClient *auth, const ClientConfig &config,
                  QObject *parent = nullptr);

    // An empty Profile / Group when the request fails.
    void getProfile(std::function<void(const Profile &)> callback);
    void getGroup(std::function<void(const Group &)> callback);
    void inviteByEmail(const QString &email, std::function<void(const GroupInvitation &)> callback);
    void generateInviteCode(std::function<void(const GroupInvitation &)> callback);
    void joinGroup(const QString &code, Done callback);
    void leaveGroup(Done callback = nullptr);
    void removeMember(const QString &accountId, Done callback = nullptr);
    void revokeInvitation(const QString &id, Done callback = nullptr);

    // POST /devices/register with this machine's name, platform, application and fingerprint.
    void registerDevice(Done callback = nullptr);
    void getDevices(std::function<void(const QList<Device> &)> callback);
    void removeDevice(const QString &id, Done callback = nullptr);

    // Schedules the account's deletion (the server keeps it 30 days).
    void deleteAccount(Done callback);

    AuthClient *authClient() const { return m_auth; }

signals:
    void groupChanged();

private:
    void send(const QByteArray &method, const QString &path, const QJsonObject &body, Done callback,
              bool changesGroup);
    void invite(const QJsonObject &body, std::function<void(const GroupInvitation &)> callback);

    ApiClient *m_api;
    AuthClient *m_auth;
    ClientConfig m_config;
};

} // namespace VarnAccount
