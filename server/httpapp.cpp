#include "server/httpapp.h"

#include "server/accesslog.h"

#include <QElapsedTimer>
#include <QJsonDocument>

namespace {

QHttpServerResponse timed(const QHttpServerRequest &request,
                          const std::function<QHttpServerResponse()> &run)
{
    QElapsedTimer timer;
    timer.start();
    QHttpServerResponse response = run();
    AccessLog::write(HttpApp::methodName(request.method()), request.url().path(QUrl::FullyEncoded),
                     int(response.statusCode()), timer.elapsed());
    return response;
}

} // namespace

HttpApp::HttpApp()
{
    m_server.setMissingHandler(
        [this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
            if (m_getFallback && request.method() == Method::Get) {
                timed(request, [&] { return m_getFallback(request); }).write(std::move(responder));
                return;
            }
            responder.write(
                QJsonDocument(QJsonObject{{QStringLiteral("error"), QStringLiteral("not found")}}),
                QHttpServerResponder::StatusCode::NotFound);
            AccessLog::write(methodName(request.method()), request.url().path(QUrl::FullyEncoded),
                             404, 0);
        });
}

void HttpApp::route(const QString &path, Method method, Handler handler)
{
    m_server.route(path, method, [handler](const QHttpServerRequest &request) {
        return timed(request, [&] { return handler(request); });
    });
}

void HttpApp::route(const QString &path, Method method, ArgHandler handler)
{
    m_server.route(path, method, [handler](const QString &arg, const QHttpServerRequest &request) {
        return timed(request, [&] { return handler(arg, request); });
    });
}

void HttpApp::route(const QString &path, Method method, ArgArgHandler handler)
{
    m_server.route(
        path, method,
        [handler](const QString &first, const QString &second, const QHttpServerRequest &request) {
            return timed(request, [&] { return handler(first, second, request); });
        });
}

void HttpApp::routeFuture(const QString &path, Method method, FutureHandler handler)
{
    m_server.route(path, method,
                   [handler](const QHttpServerRequest &request) { return handler(request); });
}

quint16 HttpApp::listen(const QHostAddress &address, quint16 port)
{
    const int bound = m_server.listen(address, port);
    return bound > 0 ? quint16(bound) : 0;
}

QHttpServerResponse HttpApp::json(const QJsonObject &body, Status status)
{
    return QHttpServerResponse(body, status);
}

QHttpServerResponse HttpApp::error(Status status, const QString &message)
{
    return QHttpServerResponse(QJsonObject{{QStringLiteral("error"), message}}, status);
}

QHttpServerResponse HttpApp::html(const QByteArray &page, Status status)
{
    return QHttpServerResponse(QByteArrayLiteral("text/html; charset=utf-8"), page, status);
}

std::optional<QJsonObject> HttpApp::jsonBody(const QHttpServerRequest &request)
{
    if (request.body().trimmed().isEmpty()) {
        return QJsonObject();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(request.body(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

QByteArray HttpApp::methodName(Method method)
{
    switch (method) {
    case Method::Get:
        return "GET";
    case Method::Post:
        return "POST";
    case Method::Put:
        return "PUT";
    case Method::Patch:
        return "PATCH";
    case Method::Delete:
        return "DELETE";
    case Method::Head:
        return "HEAD";
    case Method::Options:
        return "OPTIONS";
    default:
        return "OTHER";
    }
}
