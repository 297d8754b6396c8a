#include "account/apiclient.h"

#include "account/tokenmanager.h"

#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace VarnAccount {

namespace {

Q_LOGGING_CATEGORY(lcApi, "ledgerwell.account.api")

const QString kTimeoutMessage = QStringLiteral("network error: timeout");

QJsonObject parseBody(const QByteArray &bytes)
{
    if (bytes.isEmpty()) {
        return {};
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    return document.isObject() ? document.object() : QJsonObject();
}

} // namespace

ApiClient::ApiClient(TokenManager *tokens, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
{
}

void ApiClient::setAppInfo(const QString &appId, const QString &appVersion, const QString &platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::get(const QString &path, Callback callback, const QUrlQuery &query)
{
    sendRequest("GET", path, {}, std::move(callback), query, true);
}

void ApiClient::remove(const QString &path, Callback callback)
{
    sendRequest("DELETE", path, {}, std::move(callback), {}, true);
}

void ApiClient::post(const QString &path, const QJsonObject &json, Callback callback)
{
    sendRequest("POST", path, json, std::move(callback), {}, true);
}

void ApiClient::patch(const QString &path, const QJsonObject &json, Callback callback)
{
    sendRequest("PATCH", path, json, std::move(callback), {}, true);
}

void ApiClient::getPublic(const QString &path, Callback callback, const QUrlQuery &query)
{
    sendRequest("GET", path, {}, std::move(callback), query, false);
}

void ApiClient::postPublic(const QString &path, const QJsonObject &json, Callback callback)
{
    sendRequest("POST", path, json, std::move(callback), {}, false);
}

void ApiClient::sendRequest(const QByteArray &method, const QString &path, const QJsonObject &json,
                            Callback callback, const QUrlQuery &query, bool authenticated)
{
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path() + path);
    if (!query.isEmpty()) {
        url.setQuery(query);
    }
    const QByteArray body =
        json.isEmpty() ? QByteArray() : QJsonDocument(json).toJson(QJsonDocument::Compact);
    if (!authenticated) {
        executeRequest(method, url, body, QString(), std::move(callback), false);
        return;
    }
    if (!m_tokens->needsRefresh()) {
        executeRequest(method, url, body, m_tokens->accessToken(), std::move(callback), true);
        return;
    }
    qCDebug(lcApi) << "ApiClient: token needs refresh before" << method << url.path();
    m_tokens->refresh([this, method, url, body, callback](bool ok) {
        if (ok) {
            executeRequest(method, url, body, m_tokens->accessToken(), callback, true);
            return;
        }
        qCWarning(lcApi) << "ApiClient: token refresh failed for" << method << url.path();
        emit authenticationRequired();
        if (callback) {
            callback(false, 401, QJsonObject());
        }
    });
}

void ApiClient::executeRequest(const QByteArray &method, const QUrl &url, const QByteArray &body,
                               const QString &token, Callback callback, bool retryOnUnauthorized)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    const auto header = [&request](const char *name, const QString &value) {
        if (!value.isEmpty()) {
            request.setRawHeader(name, value.toUtf8());
        }
    };
    header("X-App-Id", m_appId);
    header("X-App-Version", m_appVersion);
    header("X-Platform", m_platform);
    header("Authorization",
           token.isEmpty() ? QString() : QString(QStringLiteral("Bearer ") + token));

    QNetworkReply *reply = nullptr;
    if (method == "GET") {
        reply = m_network->get(request);
    } else if (method == "POST") {
        reply = m_network->post(request, body);
    } else if (method == "PUT") {
        reply = m_network->put(request, body);
    } else if (method == "PATCH") {
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    } else if (method == "DELETE") {
        reply = m_network->deleteResource(request);
    } else {
        if (callback) {
            callback(false, 0, QJsonObject());
        }
        return;
    }
    // A hung server must not leave the caller waiting for ever.
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, reply, [reply] {
        reply->setProperty("timedOut", true);
        reply->abort();
    });
    timer->start(m_timeoutMs);

    connect(
        reply, &QNetworkReply::finished, this,
        [this, reply, method, url, body, callback, retryOnUnauthorized] {
            reply->deleteLater();
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            const QJsonObject json = parseBody(reply->isOpen() ? reply->readAll() : QByteArray());
            if (status == 401 && retryOnUnauthorized) {
                m_tokens->refresh([this, method, url, body, callback](bool ok) {
                    if (ok) {
                        executeRequest(method, url, body, m_tokens->accessToken(), callback, false);
                        return;
                    }
                    emit authenticationRequired();
                    if (callback) {
                        callback(false, 401, QJsonObject());
                    }
                });
                return;
            }
            if (status == 0 && reply->error() != QNetworkReply::NoError) {
                emit networkError(reply->property("timedOut").toBool() ? kTimeoutMessage
                                                                       : reply->errorString());
                if (callback) {
                    callback(false, 0, QJsonObject());
                }
                return;
            }
            if (callback) {
                callback(status >= 200 && status <= 299, status, json);
            }
        });
}

} // namespace VarnAccount
