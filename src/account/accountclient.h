#pragma once

#include "account/accountrecords.h"
#include "account/clientconfig.h"

#include <QObject>

#include <functional>

namespace VarnAccount {

class ApiClient;
class AuthClient;

// The account API: for now this machine's registration and the list of devices; profile, group
// and account deletion come with the account screen.
class AccountClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountClient)

public:
    AccountClient(ApiClient *api, AuthClient *auth, const ClientConfig &config,
                  QObject *parent = nullptr);

    // POST /devices/register with this machine's name, platform, application and fingerprint.
    // The callback (optional) receives the reply's success flag.
    void registerDevice(std::function<void(bool)> callback = nullptr);
    void getDevices(std::function<void(const QList<Device> &)> callback);
    void removeDevice(const QString &id);

signals:
    void groupChanged();

private:
    ApiClient *m_api;
    AuthClient *m_auth;
    ClientConfig m_config;
};

} // namespace VarnAccount
