#include "httptestclient.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QTimer>

QJsonObject HttpTestClient::Reply::json() const
{
    return QJsonDocument::fromJson(body).object();
}

HttpTestClient::Reply HttpTestClient::get(const QUrl &url, const QByteArray &bearer)
{
    return send("GET", url, {}, {}, bearer);
}

HttpTestClient::Reply HttpTestClient::remove(const QUrl &url, const QByteArray &bearer)
{
    return send("DELETE", url, {}, {}, bearer);
}

HttpTestClient::Reply HttpTestClient::postJson(const QUrl &url, const QJsonObject &body,
                                               const QByteArray &bearer)
{
    return send("POST", url, QJsonDocument(body).toJson(QJsonDocument::Compact), "application/json",
                bearer);
}

HttpTestClient::Reply HttpTestClient::patchJson(const QUrl &url, const QJsonObject &body,
                                                const QByteArray &bearer)
{
    return send("PATCH", url, QJsonDocument(body).toJson(QJsonDocument::Compact),
                "application/json", bearer);
}

HttpTestClient::Reply HttpTestClient::postForm(const QUrl &url,
                                               const QList<QPair<QString, QString>> &fields)
{
    return send("POST", url, formBody(fields), "application/x-www-form-urlencoded", {});
}

QByteArray HttpTestClient::formBody(const QList<QPair<QString, QString>> &fields)
{
    QByteArray body;
    for (const auto &field : fields) {
        if (!body.isEmpty()) {
            body += '&';
        }
        body += QUrl::toPercentEncoding(field.first) + '=' +
                QUrl::toPercentEncoding(field.second, " ").replace(' ', '+');
    }
    return body;
}

HttpTestClient::Reply HttpTestClient::send(const QByteArray &verb, const QUrl &url,
                                           const QByteArray &body, const QByteArray &contentType,
                                           const QByteArray &bearer)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    if (!contentType.isEmpty()) {
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    }
    if (!bearer.isEmpty()) {
        request.setRawHeader("Authorization", "Bearer " + bearer);
    }
    QNetworkReply *reply = m_manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    Reply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.location = reply->rawHeader("Location");
    reply->deleteLater();
    return result;
}
