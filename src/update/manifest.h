#pragma once

#include <QDateTime>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace VarnUpdate {

// One platform's build in the manifest.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    QUrl url;
    qint64 size = 0;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom;
    QUrl releaseNotesUrl;
};

// latest.json: which build each platform should run on this channel.
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    QMap<QString, Artifact> artifacts;
};

} // namespace VarnUpdate

Q_DECLARE_METATYPE(VarnUpdate::Artifact)
