#include "server/profileroutes.h"

#include "server/httpapp.h"
#include "server/servercontext.h"

#include <QDateTime>

namespace {

using Status = HttpApp::Status;
using Caller = SessionService::Caller;

const QString kPath = QStringLiteral("/account/v1/profile");

QHttpServerResponse notSignedIn()
{
    return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
}

QJsonObject profileOf(const ServerContext &context, const UserRow &user)
{
    QJsonObject profile{{QStringLiteral("id"), user.id},
                        {QStringLiteral("email"), user.email},
                        {QStringLiteral("display_name"), user.displayName},
                        {QStringLiteral("avatar_url"), user.avatarUrl},
                        {QStringLiteral("language"), QString()},
                        {QStringLiteral("timezone"), QString()},
                        {QStringLiteral("status"), user.deletionDueAt.isEmpty()
                                                       ? QStringLiteral("active")
                                                       : QStringLiteral("pending_deletion")},
                        {QStringLiteral("deletion_due_at"), user.deletionDueAt},
                        {QStringLiteral("created_at"), user.createdAt}};
    const GroupStore &groups = context.sessions.groups();
    if (const auto membership = groups.membershipOf(user.id)) {
        profile.insert(QStringLiteral("group"),
                       QJsonObject{{QStringLiteral("id"), membership->group.id},
                                   {QStringLiteral("name"), membership->group.name},
                                   {QStringLiteral("role"), membership->role},
                                   {QStringLiteral("member_count"),
                                    int(groups.members(membership->group.id).size())}});
    }
    return profile;
}

QHttpServerResponse scheduleDeletion(const ServerContext &context, const Caller &caller)
{
    const GroupStore &groups = context.sessions.groups();
    const auto membership = groups.membershipOf(caller.user.id);
    if (membership && membership->role == QLatin1String("owner") &&
        groups.members(membership->group.id).size() > 1) {
        return HttpApp::error(Status::Conflict,
                              QStringLiteral("You are the group owner. Remove all members before "
                                             "deleting your account."));
    }
    const QString due = QDateTime::currentDateTimeUtc()
                            .addDays(ProfileRoutes::kDeletionGraceDays)
                            .toString(Qt::ISODateWithMs);
    if (!context.sessions.users().scheduleDeletion(caller.user.id, due)) {
        return HttpApp::error(Status::InternalServerError, QStringLiteral("cannot schedule"));
    }
    // Every other device is signed out; this one signs out itself. Signing in again within the
    // grace period keeps the account.
    context.sessions.sessions().revokeAllExcept(caller.user.id, caller.sessionId);
    return HttpApp::json({{QStringLiteral("status"), QStringLiteral("pending_deletion")},
                          {QStringLiteral("deletion_due_at"), due}});
}

} // namespace

namespace ProfileRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const ServerContext &c = context;
    app.route(kPath, HttpApp::Method::Get, HttpApp::Handler([&c](const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? HttpApp::json(profileOf(c, caller->user)) : notSignedIn();
              }));
    app.route(kPath, HttpApp::Method::Delete, HttpApp::Handler([&c](const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? scheduleDeletion(c, *caller) : notSignedIn();
              }));
}

} // namespace ProfileRoutes
