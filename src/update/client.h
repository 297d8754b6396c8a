#pragma once

#include "update/manifest.h"
#include "update/updateconfig.h"

#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;

namespace VarnUpdate {

// Fetches latest.json and judges it against the running version. Each check ends in exactly
// one of the three signals; a check asked for while one runs is ignored.
class Client final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Client)

public:
    static constexpr int kTimeoutMs = 30000;
    static inline const QByteArray kUserAgent = QByteArrayLiteral("VarnUpdateQt/0.1 (%1)");

    explicit Client(const UpdateConfig &config, QObject *parent = nullptr);

    void check();
    bool isChecking() const { return m_inFlight; }
    const UpdateConfig &config() const { return m_config; }
    // The manifest key of this installation; empty for a system no build is published for.
    // Defaults to PlatformKey::current().
    void setPlatformKey(const QString &key) { m_platformKey = key; }
    QUrl manifestUrl() const;

    // The User-Agent of every request of the update code.
    static QByteArray userAgent(const QString &product);

signals:
    void updateAvailable(const VarnUpdate::Artifact &artifact);
    void upToDate();
    void checkFailed(const QString &reason);

private:
    void onReply(QNetworkReply *reply);
    void judge(const Manifest &manifest);

    UpdateConfig m_config;
    QNetworkAccessManager *m_network;
    QString m_platformKey;
    bool m_inFlight = false;
};

} // namespace VarnUpdate
