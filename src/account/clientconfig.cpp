#include "account/clientconfig.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcConfig, "ledgerwell.account")

// Our own hosts. They are configuration, like everything here: a self-hosted server is chosen
// with the environment variables.
const char *const kAuthBase = "https://auth.ledgerwell.example.org";
const char *const kAccountApi = "https://api.ledgerwell.example.org/account/v1";
const char *const kSyncApi = "https://api.ledgerwell.example.org/ledgerwell/v1";
const char *const kPortal = "https://account.ledgerwell.example.org";
const char *const kClientId = "5f0c2a9e7b3d4e61a8c9d0b1e2f3a4b5";

QString fromEnv(const char *name, const char *fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QString::fromLatin1(fallback) : QString::fromUtf8(value);
}

} // namespace

namespace VarnAccount {

ClientConfig ClientConfig::fromEnvironment()
{
    ClientConfig config;
    config.authBaseUrl = fromEnv("AUTH_BASE_URL", kAuthBase);
    config.realmSlug = fromEnv("AUTH_REALM_SLUG", "varnaby");
    config.accountApiUrl = fromEnv("ACCOUNT_API_URL", kAccountApi);
    config.clientId = fromEnv("AUTH_CLIENT_ID", kClientId);
    config.appId = QStringLiteral("org.example.Ledgerwell");
    config.appDisplayName = QStringLiteral("Varnaby Ledgerwell");
    config.appVersion = QCoreApplication::applicationVersion();
    config.accountPortalUrl = fromEnv("ACCOUNT_PORTAL_URL", kPortal);
    config.syncApiUrl = fromEnv("SYNC_API_URL", kSyncApi);
    qCInfo(lcConfig) << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl
                     << "Sync:" << config.syncApiUrl;
    return config;
}

} // namespace VarnAccount
