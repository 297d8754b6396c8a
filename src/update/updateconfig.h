#pragma once

#include <QString>
#include <QUrl>

namespace VarnUpdate {

// Where the update check looks and what it compares against.
struct UpdateConfig
{
    QString product;
    QString channel;
    // The folder of the download server holding latest.json, such as
    // https://downloads.varnaby.com/ledgerwell/stable/.
    QUrl manifestBaseUrl;
    QString currentVersion;

    static inline const QString kProduct = QStringLiteral("ledgerwell");
    static inline const QString kChannel = QStringLiteral("stable");

    // The built-in download server, unless the development switch LEDGERWELL_UPDATE_URL names
    // another manifest folder (a local ledgerwell-server --downloads, say).
    static UpdateConfig forVersion(const QString &currentVersion);
    static QUrl defaultManifestBaseUrl();
};

} // namespace VarnUpdate
