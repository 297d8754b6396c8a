#pragma once

class HttpApp;
struct ServerContext;

// The signed-in user's own record, password and sessions, under /api/v1/realms/{realm}:
//   GET/PATCH /users/me, POST /users/me/password, GET /users/me/sessions,
//   DELETE /users/me/sessions/{id}
namespace UserRoutes {

void add(HttpApp &app, ServerContext &context);

} // namespace UserRoutes
