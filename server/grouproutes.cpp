#include "server/grouproutes.h"

#include "server/httpapp.h"
#include "server/servercontext.h"
#include "server/sharestore.h"

#include <QJsonArray>

namespace {

using Status = HttpApp::Status;
using Caller = SessionService::Caller;
using Membership = GroupStore::Membership;

const QString kBase = QStringLiteral("/account/v1/group");

QHttpServerResponse notSignedIn()
{
    return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
}

QHttpServerResponse notInGroup()
{
    return HttpApp::error(Status::NotFound, QStringLiteral("You are not in a group."));
}

QHttpServerResponse ownerOnly()
{
    return HttpApp::error(Status::Forbidden,
                          QStringLiteral("Only the group's owner can change its members."));
}

bool isOwner(const std::optional<Membership> &membership)
{
    return membership && membership->role == QLatin1String("owner");
}

QJsonObject groupJson(const GroupStore &groups, const Membership &membership)
{
    QJsonArray members;
    for (const GroupMemberRow &member : groups.members(membership.group.id)) {
        members.append(member.toJson());
    }
    // Invitation codes are the owner's to hand out: members do not see them.
    QJsonArray invitations;
    if (isOwner(membership)) {
        for (const InvitationRow &invitation : groups.pendingInvitations(membership.group.id)) {
            invitations.append(invitation.toJson());
        }
    }
    return {{QStringLiteral("id"), membership.group.id},
            {QStringLiteral("name"), membership.group.name},
            {QStringLiteral("owner_id"), membership.group.ownerId},
            {QStringLiteral("max_seats"), membership.group.maxSeats},
            {QStringLiteral("members"), members},
            {QStringLiteral("pending_invitations"), invitations}};
}

QHttpServerResponse getGroup(const ServerContext &context, const Caller &caller)
{
    const GroupStore &groups = context.sessions.groups();
    const auto membership = groups.membershipOf(caller.user.id);
    return membership ? HttpApp::json(groupJson(groups, *membership)) : notInGroup();
}

QHttpServerResponse invite(const ServerContext &context, const Caller &caller,
                           const QHttpServerRequest &request)
{
    const GroupStore &groups = context.sessions.groups();
    const auto membership = groups.membershipOf(caller.user.id);
    if (!isOwner(membership)) {
        return ownerOnly();
    }
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    const QString email =
        body ? body->value(QStringLiteral("email")).toString().trimmed() : QString();
    if (!body || (!email.isEmpty() && (!email.contains(QLatin1Char('@')) || email.size() > 200))) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("That is no e-mail address."));
    }
    QString error;
    const auto invitation = groups.invite(membership->group.id, email, &error);
    return invitation ? HttpApp::json(invitation->toJson(), Status::Created)
                      : HttpApp::error(Status::Conflict, error);
}

QHttpServerResponse join(const ServerContext &context, const Caller &caller, const QString &code)
{
    const GroupStore &groups = context.sessions.groups();
    switch (groups.join(code, caller.user)) {
    case GroupStore::Join::Joined:
        return HttpApp::json(groupJson(groups, *groups.membershipOf(caller.user.id)));
    case GroupStore::Join::UnknownCode:
        return HttpApp::error(Status::NotFound, QStringLiteral("Invalid or expired invite code."));
    case GroupStore::Join::OtherAddress:
        return HttpApp::error(Status::Forbidden,
                              QStringLiteral("This invitation is for another e-mail address."));
    case GroupStore::Join::AlreadyInGroup:
        return HttpApp::error(Status::Conflict, QStringLiteral("You are in a group already."));
    case GroupStore::Join::GroupFull:
        return HttpApp::error(Status::Conflict, QStringLiteral("The group has no free seat."));
    case GroupStore::Join::Failed:
        break;
    }
    return HttpApp::error(Status::InternalServerError, QStringLiteral("cannot join"));
}

// Takes the member out of the group and ends their shares, in one transaction.
bool dropMember(const ServerContext &context, const QString &groupId, const QString &userId)
{
    const ShareStore shares(context.storage);
    return context.storage.transaction([&] {
        return context.sessions.groups().removeMember(groupId, userId) &&
               shares.revokeAllOf(userId);
    });
}

QHttpServerResponse leave(const ServerContext &context, const Caller &caller)
{
    const auto membership = context.sessions.groups().membershipOf(caller.user.id);
    if (!membership) {
        return notInGroup();
    }
    if (isOwner(membership)) {
        return HttpApp::error(Status::Conflict,
                              QStringLiteral("The owner cannot leave the group."));
    }
    return dropMember(context, membership->group.id, caller.user.id)
               ? HttpApp::json({})
               : HttpApp::error(Status::InternalServerError, QStringLiteral("cannot leave"));
}

QHttpServerResponse removeMember(const ServerContext &context, const Caller &caller,
                                 const QString &userId)
{
    const auto membership = context.sessions.groups().membershipOf(caller.user.id);
    if (!isOwner(membership)) {
        return ownerOnly();
    }
    if (userId == caller.user.id) {
        return HttpApp::error(Status::Conflict,
                              QStringLiteral("The owner cannot remove themselves."));
    }
    return dropMember(context, membership->group.id, userId)
               ? HttpApp::json({})
               : HttpApp::error(Status::NotFound, QStringLiteral("No such member."));
}

QHttpServerResponse revokeInvitation(const ServerContext &context, const Caller &caller,
                                     const QString &id)
{
    const auto membership = context.sessions.groups().membershipOf(caller.user.id);
    if (!isOwner(membership)) {
        return ownerOnly();
    }
    return context.sessions.groups().revokeInvitation(membership->group.id, id)
               ? HttpApp::json({})
               : HttpApp::error(Status::NotFound, QStringLiteral("No such invitation."));
}

} // namespace

namespace GroupRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const ServerContext &c = context;
    const auto signedIn = [&c](auto run) {
        return HttpApp::Handler([&c, run](const QHttpServerRequest &r) {
            const auto caller = c.sessions.authenticate(r);
            return caller ? run(*caller, r) : notSignedIn();
        });
    };
    const auto signedInWith = [&c](auto run) {
        return HttpApp::ArgHandler([&c, run](const QString &arg, const QHttpServerRequest &r) {
            const auto caller = c.sessions.authenticate(r);
            return caller ? run(*caller, arg) : notSignedIn();
        });
    };
    app.route(kBase, HttpApp::Method::Get,
              signedIn([&c](const Caller &caller, const auto &) { return getGroup(c, caller); }));
    app.route(kBase + QStringLiteral("/invite"), HttpApp::Method::Post,
              signedIn([&c](const Caller &caller, const QHttpServerRequest &r) {
                  return invite(c, caller, r);
              }));
    app.route(kBase + QStringLiteral("/leave"), HttpApp::Method::Post,
              signedIn([&c](const Caller &caller, const auto &) { return leave(c, caller); }));
    app.route(kBase + QStringLiteral("/join/<arg>"), HttpApp::Method::Post,
              signedInWith([&c](const Caller &caller, const QString &code) {
                  return join(c, caller, code);
              }));
    app.route(kBase + QStringLiteral("/members/<arg>"), HttpApp::Method::Delete,
              signedInWith([&c](const Caller &caller, const QString &id) {
                  return removeMember(c, caller, id);
              }));
    app.route(kBase + QStringLiteral("/invitations/<arg>"), HttpApp::Method::Delete,
              signedInWith([&c](const Caller &caller, const QString &id) {
                  return revokeInvitation(c, caller, id);
              }));
}

} // namespace GroupRoutes
