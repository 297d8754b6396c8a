#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QUrl>
#include <QUrlQuery>

// Plain HTTP requests for tests, one at a time, waiting for the answer. Redirects are not
// followed, so a test sees the 302 and its Location.
class HttpTestClient
{
public:
    struct Reply
    {
        int status = 0;
        QByteArray body;
        QByteArray location;
        QJsonObject json() const;
    };

    Reply get(const QUrl &url, const QByteArray &bearer = QByteArray());
    Reply remove(const QUrl &url, const QByteArray &bearer = QByteArray());
    Reply postJson(const QUrl &url, const QJsonObject &body,
                   const QByteArray &bearer = QByteArray());
    Reply patchJson(const QUrl &url, const QJsonObject &body,
                    const QByteArray &bearer = QByteArray());
    Reply postForm(const QUrl &url, const QList<QPair<QString, QString>> &fields);

    // Percent-encodes the fields as a browser would (spaces as "+").
    static QByteArray formBody(const QList<QPair<QString, QString>> &fields);

private:
    Reply send(const QByteArray &verb, const QUrl &url, const QByteArray &body,
               const QByteArray &contentType, const QByteArray &bearer);

    QNetworkAccessManager m_manager;
};
