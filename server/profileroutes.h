#pragma once

class HttpApp;
struct ServerContext;

// The signed-in user's profile, under /account/v1:
//   GET /profile -> the user, their status and their group (id, name, role, member_count)
//   DELETE /profile -> deletion in 30 days; signing in before then keeps the account
namespace ProfileRoutes {

constexpr int kDeletionGraceDays = 30;

void add(HttpApp &app, ServerContext &context);

} // namespace ProfileRoutes
