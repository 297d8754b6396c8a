#include "update/updateconfig.h"

namespace VarnUpdate {

QUrl UpdateConfig::defaultManifestBaseUrl()
{
    const QString override = qEnvironmentVariable("LEDGERWELL_UPDATE_URL");
    if (!override.isEmpty()) {
        return QUrl(override);
    }
    return QUrl(QStringLiteral("https://downloads.varnaby.com/ledgerwell/stable/"));
}

UpdateConfig UpdateConfig::forVersion(const QString &currentVersion)
{
    return {kProduct, kChannel, defaultManifestBaseUrl(), currentVersion};
}

} // namespace VarnUpdate
