#pragma once

class HttpApp;
struct ServerContext;

// The browser sign-in page of the realm and the token operations:
//   GET/POST /{realm}/account/login
//   POST /api/v1/realms/{realm}/auth/token/refresh, /auth/logout
namespace RealmRoutes {

void add(HttpApp &app, ServerContext &context);

} // namespace RealmRoutes
