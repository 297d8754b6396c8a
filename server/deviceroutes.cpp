#include "server/deviceroutes.h"

#include "server/httpapp.h"
#include "server/servercontext.h"

#include <QJsonArray>

namespace {

using Status = HttpApp::Status;
using Caller = SessionService::Caller;

const QString kBase = QStringLiteral("/account/v1/devices");

QHttpServerResponse notSignedIn()
{
    return HttpApp::error(Status::Unauthorized, QStringLiteral("not signed in"));
}

QHttpServerResponse registerDevice(const ServerContext &context, const Caller &caller,
                                   const QHttpServerRequest &request)
{
    const std::optional<QJsonObject> body = HttpApp::jsonBody(request);
    if (!body) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("expected a JSON object"));
    }
    const auto text = [&body](const char *key) {
        return body->value(QString::fromLatin1(key)).toString().left(200);
    };
    DeviceRow device;
    device.userId = caller.user.id;
    device.deviceName = text("device_name");
    device.platform = text("platform");
    device.appId = text("app_id");
    device.appVersion = text("app_version");
    device.deviceFingerprint = text("device_fingerprint");
    if (device.deviceFingerprint.isEmpty()) {
        return HttpApp::error(Status::BadRequest, QStringLiteral("device_fingerprint is required"));
    }
    const std::optional<DeviceRow> stored = context.devices.registerDevice(device);
    if (!stored) {
        return HttpApp::error(Status::InternalServerError, QStringLiteral("cannot register"));
    }
    return HttpApp::json(stored->toJson());
}

QHttpServerResponse listDevices(const ServerContext &context, const Caller &caller)
{
    QJsonArray devices;
    for (const DeviceRow &device : context.devices.list(caller.user.id)) {
        devices.append(device.toJson());
    }
    return HttpApp::json({{QStringLiteral("devices"), devices}});
}

} // namespace

namespace DeviceRoutes {

void add(HttpApp &app, ServerContext &context)
{
    const ServerContext &c = context;
    app.route(kBase + QStringLiteral("/register"), HttpApp::Method::Post,
              HttpApp::Handler([&c](const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? registerDevice(c, *caller, r) : notSignedIn();
              }));
    app.route(kBase, HttpApp::Method::Get, HttpApp::Handler([&c](const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  return caller ? listDevices(c, *caller) : notSignedIn();
              }));
    app.route(kBase + QStringLiteral("/<arg>"), HttpApp::Method::Delete,
              HttpApp::ArgHandler([&c](const QString &id, const QHttpServerRequest &r) {
                  const auto caller = c.sessions.authenticate(r);
                  if (!caller) {
                      return notSignedIn();
                  }
                  return c.devices.remove(caller->user.id, id)
                             ? HttpApp::json({})
                             : HttpApp::error(Status::NotFound, QStringLiteral("no such device"));
              }));
}

} // namespace DeviceRoutes
