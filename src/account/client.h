#pragma once

#include "account/authstate.h"
#include "account/clientconfig.h"

#include <QObject>

#include <memory>

namespace VarnAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// Builds the cloud-account objects from the configuration: the token manager, the
// authentication, account and sync API clients, the AuthClient and the AccountClient.
class Client final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Client)

public:
    // Without a store, the platform's default store (TokenStore::createDefault) in the data
    // directory is used; a data directory chosen with LEDGERWELL_DATA_DIR keeps the tokens in
    // an owner-only file inside it.
    explicit Client(const ClientConfig &config, std::unique_ptr<TokenStore> store = nullptr,
                    QObject *parent = nullptr);
    ~Client() override;

    void initialize();
    bool isAuthenticated() const;
    bool isSyncAllowed() const;

    const ClientConfig &config() const { return m_config; }
    TokenManager *tokenManager() const { return m_tokens; }
    ApiClient *authApi() const { return m_authApi; }
    ApiClient *accountApi() const { return m_accountApi; }
    ApiClient *syncApi() const { return m_syncApi; }
    AuthClient *authClient() const { return m_auth; }
    AccountClient *accountClient() const { return m_account; }

    // "linux", "macos", "windows" from the kernel type, or the kernel type as it comes.
    static QString platformFromKernel(const QString &kernelType);

signals:
    void authStateChanged(VarnAccount::AuthState state);

private:
    ClientConfig m_config;
    TokenManager *m_tokens;
    ApiClient *m_authApi;
    ApiClient *m_accountApi;
    ApiClient *m_syncApi;
    AuthClient *m_auth;
    AccountClient *m_account;
};

} // namespace VarnAccount
