#include "server/userroutes.h"

#include "server/httpapp.h"
#include "server/passwordhasher.h"
#include "server/servercontext.h"

#include <QJsonArray>

namespace {

using Status = HttpApp::Status;
using Caller = SessionService::Caller;

constexpr int kMinimumPasswordLength = 8;

QHttpServerResponse notSignedIn()
{
    return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
}

QHttpServerResponse me(const Caller &caller)
{
    return HttpApp::json(caller.user.toJson());
}

QHttpServerResponse updateMe(const ServerContext &context, const Caller &caller,
                             const QHttpServerRequest &request)
{
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    if (!body) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("expected a JSON object"));
    }
    UserRow user = caller.user;
    const QJsonValue name = body->value(QStringLiteral("display_name"));
    if (name.isString()) {
        user.displayName = name.toString().trimmed().left(200);
        if (!context.sessions.users().setDisplayName(user.id, user.displayName)) {
            return HttpApp::error(Status::InternalServerError, QStringLiteral("update failed"));
        }
    }
    return HttpApp::json(user.toJson());
}

QHttpServerResponse changePassword(const ServerContext &context, const Caller &caller,
                                   const QHttpServerRequest &request)
{
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    const QString current =
        body ? body->value(QStringLiteral("current_password")).toString() : QString();
    const QString next = body ? body->value(QStringLiteral("new_password")).toString() : QString();
    if (next.size() < kMinimumPasswordLength) {
        return HttpApp::error(Status::BadRequest,
                              QStringLiteral("the new password needs at least 8 characters"));
    }
    if (!PasswordHasher::verify(caller.user.passwordHash, current)) {
        return HttpApp::error(Status::Forbidden, QStringLiteral("the current password is wrong"));
    }
    const QString hash = PasswordHasher::hash(next);
    if (hash.isEmpty() || !context.sessions.users().setPasswordHash(caller.user.id, hash)) {
        return HttpApp::error(Status::InternalServerError, QStringLiteral("update failed"));
    }
    // Whoever else holds a session signed in with the old password is signed out.
    context.sessions.sessions().revokeAllExcept(caller.user.id, caller.sessionId);
    return HttpApp::json({});
}

QHttpServerResponse listSessions(const ServerContext &context, const Caller &caller)
{
    QJsonArray sessions;
    for (const SessionRow &s : context.sessions.sessions().listActive(caller.user.id)) {
        sessions.append(QJsonObject{{QStringLiteral("id"), s.id},
                                    {QStringLiteral("user_agent"), s.userAgent},
                                    {QStringLiteral("ip_address"), s.ipAddress},
                                    {QStringLiteral("created_at"), s.createdAt},
                                    {QStringLiteral("last_active_at"), s.lastActiveAt},
                                    {QStringLiteral("is_current"), s.id == caller.sessionId}});
    }
    return HttpApp::json({{QStringLiteral("sessions"), sessions}});
}

QHttpServerResponse revokeSession(const ServerContext &context, const Caller &caller,
                                  const QString &id)
{
    if (!context.sessions.sessions().revoke(id, caller.user.id)) {
        return HttpApp::error(Status::NotFound, QStringLiteral("no such session"));
    }
    return HttpApp::json({});
}

// Wraps a handler that needs the signed-in caller.
template <typename Run>
HttpApp::Handler signedIn(const ServerContext &context, Run run)
{
    return [&context, run](const QHttpServerRequest &request) {
        const auto caller = context.sessions.authenticate(request);
        return caller ? run(*caller, request) : notSignedIn();
    };
}

} // namespace

namespace UserRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const QString base = QStringLiteral("/api/v1/realms/%1/users/me").arg(context.realm);
    const ServerContext &c = context;
    app.route(
        base, HttpApp::Method::Get,
        signedIn(c, [](const Caller &caller, const QHttpServerRequest &) { return me(caller); }));
    app.route(base, HttpApp::Method::Patch,
              signedIn(c, [&c](const Caller &caller, const QHttpServerRequest &r) {
                  return updateMe(c, caller, r);
              }));
    app.route(base + QStringLiteral("/password"), HttpApp::Method::Post,
              signedIn(c, [&c](const Caller &caller, const QHttpServerRequest &r) {
                  return changePassword(c, caller, r);
              }));
    app.route(base + QStringLiteral("/sessions"), HttpApp::Method::Get,
              signedIn(c, [&c](const Caller &caller, const QHttpServerRequest &) {
                  return listSessions(c, caller);
              }));
    app.route(base + QStringLiteral("/sessions/<arg>"), HttpApp::Method::Delete,
              HttpApp::ArgHandler([&c](const QString &id, const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? revokeSession(c, *caller, id) : notSignedIn();
              }));
}

} // namespace UserRoutes
