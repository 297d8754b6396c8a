#include "server/shareroutes.h"

#include "server/httpapp.h"
#include "server/servercontext.h"
#include "server/sharestore.h"

#include <QJsonArray>

namespace {

using Status = HttpApp::Status;
using Caller = SessionService::Caller;
using Access = ShareStore::Access;

const QString kBase = QStringLiteral("/ledgerwell/v1/accounts/<arg>");

QHttpServerResponse notSignedIn()
{
    return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
}

// The account as the caller may see it, or the reply that says why not.
std::optional<QHttpServerResponse> refusal(const ShareStore::Account &account, bool ownerOnly)
{
    switch (account.access) {
    case Access::Unknown:
        return HttpApp::error(Status::NotFound,
                              QStringLiteral("This account is not on the server yet. Sync, "
                                             "then try again."));
    case Access::Stranger:
        return HttpApp::error(Status::Forbidden,
                              QStringLiteral("This account is not shared with you."));
    case Access::Member:
        if (ownerOnly) {
            return HttpApp::error(Status::Forbidden,
                                  QStringLiteral("Only the account's owner can change who has "
                                                 "access to it."));
        }
        break;
    case Access::Owner:
        break;
    }
    return std::nullopt;
}

QHttpServerResponse listMembers(const ShareStore &shares, const ShareStore::Account &account)
{
    QJsonArray members;
    for (const ShareRow &row : shares.members(account)) {
        members.append(row.toJson());
    }
    return HttpApp::json({{QStringLiteral("members"), members}});
}

// The user a share names: by id, or by e-mail address (the program sends an address in both
// keys).
std::optional<UserRow> shareTarget(const UserStore &users, const QJsonObject &body)
{
    const QString userId = body.value(QStringLiteral("user_id")).toString().trimmed();
    if (!userId.isEmpty() && !userId.contains(QLatin1Char('@'))) {
        return users.findById(userId);
    }
    const QString email = body.value(QStringLiteral("email")).toString().trimmed();
    return users.findByEmail(email.isEmpty() ? userId : email);
}

QHttpServerResponse share(const ServerContext &context, const ShareStore &shares,
                          const ShareStore::Account &account, const QHttpServerRequest &request)
{
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    if (!body) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("expected a JSON object"));
    }
    QString role = body->value(QStringLiteral("role")).toString().trimmed();
    role = role.isEmpty() ? QStringLiteral("member") : role;
    if (role != QLatin1String("member") && role != QLatin1String("viewer")) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("Unknown role: %1").arg(role));
    }
    const std::optional<UserRow> member = shareTarget(context.sessions.users(), *body);
    if (!member) {
        return HttpApp::error(Status::NotFound, QStringLiteral("There is no such user."));
    }
    if (member->id == account.ownerId) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("You own this account."));
    }
    if (!context.sessions.groups().sameGroup(account.ownerId, member->id)) {
        return HttpApp::error(Status::Forbidden,
                              QStringLiteral("Only members of your group can be added."));
    }
    if (!shares.share(account, member->id, role)) {
        return HttpApp::error(Status::InternalServerError, QStringLiteral("cannot share"));
    }
    return listMembers(shares, account);
}

QHttpServerResponse unshare(const ShareStore &shares, const ShareStore::Account &account,
                            const QString &userId)
{
    bool found = false;
    if (shares.unshare(account, userId, &found)) {
        return HttpApp::json({});
    }
    return found ? HttpApp::error(Status::InternalServerError, QStringLiteral("cannot remove"))
                 : HttpApp::error(Status::NotFound,
                                  QStringLiteral("This account is not shared with that user."));
}

} // namespace

namespace ShareRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const ServerContext &c = context;
    // Runs `run` for a signed-in caller allowed at the account.
    const auto allowed = [&c](const QString &accountId, const QHttpServerRequest &r, bool ownerOnly,
                              const auto &run) {
        const auto caller = c.sessions.authenticate(r);
        if (!caller) {
            return notSignedIn();
        }
        const ShareStore shares(c.storage);
        const ShareStore::Account account = shares.resolve(caller->user.id, accountId);
        std::optional<QHttpServerResponse> refused = refusal(account, ownerOnly);
        if (refused) {
            return std::move(*refused);
        }
        return run(shares, account);
    };
    app.route(kBase + QStringLiteral("/members"), HttpApp::Method::Get,
              HttpApp::ArgHandler([allowed](const QString &id, const QHttpServerRequest &r) {
                  return allowed(id, r, false, listMembers);
              }));
    app.route(kBase + QStringLiteral("/share"), HttpApp::Method::Post,
              HttpApp::ArgHandler([allowed, &c](const QString &id, const QHttpServerRequest &r) {
                  return allowed(id, r, true, [&](const auto &shares, const auto &account) {
                      return share(c, shares, account, r);
                  });
              }));
    app.route(kBase + QStringLiteral("/share/<arg>"), HttpApp::Method::Delete,
              HttpApp::ArgArgHandler(
                  [allowed](const QString &id, const QString &userId, const QHttpServerRequest &r) {
                      return allowed(id, r, true, [&](const auto &shares, const auto &account) {
                          return unshare(shares, account, userId);
                      });
                  }));
}

} // namespace ShareRoutes
