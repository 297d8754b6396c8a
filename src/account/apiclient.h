#pragma once

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;

namespace VarnAccount {

class TokenManager;

// The one place that speaks HTTP with the JSON services: joins paths to the base URL, adds the
// fixed headers and the bearer token, refreshes an expiring token first, retries once after a
// 401, and answers (success, status, body). No request waits longer than the timeout (30 s):
// it is then aborted and answered with status 0 after networkError("network error: timeout").
class ApiClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ApiClient)

public:
    using Callback = std::function<void(bool success, int status, const QJsonObject &body)>;
    static constexpr int kDefaultTimeoutMs = 30000;

    ApiClient(TokenManager *tokens, QObject *parent = nullptr);

    void setBaseUrl(const QUrl &url) { m_baseUrl = url; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString &appId, const QString &appVersion, const QString &platform);
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    void get(const QString &path, Callback callback, const QUrlQuery &query = QUrlQuery());
    void remove(const QString &path, Callback callback);
    void post(const QString &path, const QJsonObject &json, Callback callback);
    void patch(const QString &path, const QJsonObject &json, Callback callback);
    void getPublic(const QString &path, Callback callback, const QUrlQuery &query = QUrlQuery());
    void postPublic(const QString &path, const QJsonObject &json, Callback callback);

signals:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    void sendRequest(const QByteArray &method, const QString &path, const QJsonObject &json,
                     Callback callback, const QUrlQuery &query, bool authenticated);
    void executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                        const QString &token, Callback callback, bool retryOnUnauthorized);

    QNetworkAccessManager *m_network;
    TokenManager *m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_timeoutMs = kDefaultTimeoutMs;
};

} // namespace VarnAccount
