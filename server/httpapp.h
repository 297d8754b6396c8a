#pragma once

#include <QFuture>
#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QJsonObject>

#include <functional>
#include <optional>

// The HTTP side of the server: routes registered through here are timed and logged (AccessLog),
// unknown paths answer 404 {"error": "not found"} and are logged too. Route files (realm, users,
// devices, and later sync) each add their own routes.
class HttpApp
{
public:
    using Method = QHttpServerRequest::Method;
    using Status = QHttpServerResponse::StatusCode;
    using Handler = std::function<QHttpServerResponse(const QHttpServerRequest &)>;
    using ArgHandler =
        std::function<QHttpServerResponse(const QString &, const QHttpServerRequest &)>;
    using ArgArgHandler = std::function<QHttpServerResponse(const QString &, const QString &,
                                                            const QHttpServerRequest &)>;
    // A handler whose answer is computed on a worker thread; it writes its own log line.
    using FutureHandler = std::function<QFuture<QHttpServerResponse>(const QHttpServerRequest &)>;

    HttpApp();

    void route(const QString &path, Method method, Handler handler);
    // `path` holds one "<arg>" placeholder, handed to the handler as text.
    void route(const QString &path, Method method, ArgHandler handler);
    // `path` holds two "<arg>" placeholders.
    void route(const QString &path, Method method, ArgArgHandler handler);
    void routeFuture(const QString &path, Method method, FutureHandler handler);
    // Answers the GET requests no route matched (the downloads folder) instead of the 404.
    void setGetFallback(Handler handler) { m_getFallback = std::move(handler); }
    // The port listened on, 0 on failure.
    quint16 listen(const QHostAddress &address, quint16 port);

    static QHttpServerResponse json(const QJsonObject &body, Status status = Status::Ok);
    static QHttpServerResponse error(Status status, const QString &message);
    static QHttpServerResponse html(const QByteArray &page, Status status = Status::Ok);
    // The request body as a JSON object; nothing when it is not one (an empty body gives {}).
    static std::optional<QJsonObject> jsonBody(const QHttpServerRequest &request);
    static QByteArray methodName(Method method);

private:
    QHttpServer m_server;
    Handler m_getFallback;
};
