#pragma once

#include <QString>

namespace VarnAccount {

// Where the cloud services are, and who is asking: the nine configuration texts, read from the
// environment over built-in defaults. A household running its own ledgerwell-server points
// AUTH_BASE_URL and ACCOUNT_API_URL (and later SYNC_API_URL) at it.
struct ClientConfig
{
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appDisplayName;
    QString appVersion;
    QString platform;
    QString accountPortalUrl;
    // Not one of the nine: handed to the sync API client after construction.
    QString syncApiUrl;

    // Each variable, when set and non-empty, is used exactly as given (UTF-8); otherwise the
    // built-in default. Logs the three service URLs at info level.
    static ClientConfig fromEnvironment();
};

} // namespace VarnAccount
