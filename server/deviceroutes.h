#pragma once

class HttpApp;
struct ServerContext;

// The signed-in user's devices, under /account/v1:
//   POST /devices/register, GET /devices, DELETE /devices/{id}
namespace DeviceRoutes {

void add(HttpApp &app, ServerContext &context);

} // namespace DeviceRoutes
