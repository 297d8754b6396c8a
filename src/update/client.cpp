#include "update/client.h"

#include "update/manifestreader.h"
#include "update/platformkey.h"
#include "update/version.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace VarnUpdate {

namespace {

Q_LOGGING_CATEGORY(lcClient, "varnupdate.client")

} // namespace

Client::Client(const UpdateConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
    , m_platformKey(PlatformKey::current())
{
}

QByteArray Client::userAgent(const QString &product)
{
    return QString::fromLatin1(kUserAgent).arg(product).toUtf8();
}

QUrl Client::manifestUrl() const
{
    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    url.setPath(path + QStringLiteral("latest.json"));
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcClient) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }
    m_inFlight = true;
    QNetworkRequest request(manifestUrl());
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent(m_config.product));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReply(reply); });
}

void Client::onReply(QNetworkReply *reply)
{
    m_inFlight = false;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        emit checkFailed(QStringLiteral("network error: %1").arg(reply->errorString()));
        return;
    }
    QString error;
    const std::optional<Manifest> manifest = ManifestReader::read(reply->readAll(), &error);
    if (!manifest) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }
    judge(*manifest);
}

void Client::judge(const Manifest &manifest)
{
    if (m_platformKey.isEmpty()) {
        qCWarning(lcClient) << "unknown platform, skipping update check";
        emit upToDate();
        return;
    }
    const auto found = manifest.artifacts.constFind(m_platformKey);
    if (found == manifest.artifacts.constEnd()) {
        qCInfo(lcClient) << "platform" << m_platformKey << "not shipped in current manifest";
        emit upToDate();
        return;
    }
    const Artifact &artifact = *found;
    if (!isOlder(m_config.currentVersion, artifact.version)) {
        emit upToDate();
        return;
    }
    if (!artifact.minUpgradableFrom.isEmpty() &&
        isOlder(m_config.currentVersion, artifact.minUpgradableFrom)) {
        emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; "
                                        "please upgrade to an intermediate release first")
                             .arg(m_config.currentVersion, artifact.minUpgradableFrom));
        return;
    }
    emit updateAvailable(artifact);
}

} // namespace VarnUpdate
