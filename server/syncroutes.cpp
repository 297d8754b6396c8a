#include "server/syncroutes.h"

#include "server/httpapp.h"
#include "server/servercontext.h"
#include "server/syncstore.h"

#include <QHash>
#include <QJsonArray>
#include <QUrlQuery>

namespace {

using Status = HttpApp::Status;
using Caller = SessionService::Caller;

const QString kBase = QStringLiteral("/ledgerwell/v1/sync");
constexpr int kMaxChanges = 1000;
constexpr int kDefaultLimit = 200;
constexpr int kMaxLimit = 1000;

QHttpServerResponse notSignedIn()
{
    return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
}

QHttpServerResponse push(const SyncStore &store, const Caller &caller,
                         const QHttpServerRequest &request)
{
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    if (!body || !body->value(QStringLiteral("changes")).isArray()) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("expected {\"changes\": [...]}"));
    }
    const QJsonArray changes = body->value(QStringLiteral("changes")).toArray();
    if (changes.size() > kMaxChanges) {
        return HttpApp::error(Status::PayloadTooLarge,
                              QStringLiteral("at most %1 changes per push").arg(kMaxChanges));
    }
    const std::optional<QJsonArray> results = store.push(caller.user.id, changes);
    if (!results) {
        return HttpApp::error(Status::InternalServerError, QStringLiteral("cannot store"));
    }
    return HttpApp::json({{QStringLiteral("results"), *results}});
}

// The array each entity type's rows travel in.
QString arrayName(const QString &entityType)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("account"), QStringLiteral("accounts")},
        {QStringLiteral("category"), QStringLiteral("categories")},
        {QStringLiteral("recurring"), QStringLiteral("recurring_transactions")},
        {QStringLiteral("transaction"), QStringLiteral("transactions")},
        {QStringLiteral("reconciliation"), QStringLiteral("reconciliations")}};
    return names.value(entityType);
}

QHttpServerResponse pull(const SyncStore &store, const Caller &caller,
                         const QHttpServerRequest &request)
{
    const QUrlQuery query(request.url());
    bool numeric = true;
    const QString limitText = query.queryItemValue(QStringLiteral("limit"));
    const int limit = limitText.isEmpty() ? kDefaultLimit : limitText.toInt(&numeric);
    if (!numeric || limit < 1) {
        return HttpApp::error(Status::BadRequest,
                              QStringLiteral("limit must be a positive number"));
    }
    const std::optional<SyncStore::Page> page = store.pull(
        caller.user.id, query.queryItemValue(QStringLiteral("since")), qMin(limit, kMaxLimit));
    if (!page) {
        return HttpApp::error(Status::BadRequest,
                              QStringLiteral("since must be a server_time from an earlier pull"));
    }
    QHash<QString, QJsonArray> arrays;
    for (const QJsonValue &value : page->rows) {
        QJsonObject row = value.toObject();
        const QString name = arrayName(row.take(QStringLiteral("entity_type")).toString());
        arrays[name].append(row);
    }
    QJsonObject reply{
        {QStringLiteral("server_time"), page->cursor},
        {QStringLiteral("has_more"), page->hasMore},
        {QStringLiteral("integrity"),
         QJsonObject{{QStringLiteral("category_count"), store.categoryCount(caller.user.id)}}}};
    for (auto it = arrays.cbegin(); it != arrays.cend(); ++it) {
        reply.insert(it.key(), it.value());
    }
    return HttpApp::json(reply);
}

} // namespace

namespace SyncRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const ServerContext &c = context;
    app.route(kBase + QStringLiteral("/push"), HttpApp::Method::Post,
              HttpApp::Handler([&c](const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? push(SyncStore(c.storage), *caller, r) : notSignedIn();
              }));
    app.route(kBase + QStringLiteral("/pull"), HttpApp::Method::Get,
              HttpApp::Handler([&c](const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? pull(SyncStore(c.storage), *caller, r) : notSignedIn();
              }));
}

} // namespace SyncRoutes
