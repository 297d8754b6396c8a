#pragma once

class HttpApp;
struct ServerContext;

// Sharing an account (a register) with members of the owner's group, under /ledgerwell/v1. The
// account is named by its client id (or its server id):
//   GET /accounts/{id}/members -> {members: [{user_id, email, display_name, role, created_at}]},
//       the owner first (role "owner"); for the owner and the members it is shared with
//   POST /accounts/{id}/share {user_id and/or email, role} (owner only; role "member" or
//       "viewer", "member" when empty)
//   DELETE /accounts/{id}/share/{user id} (owner only)
// Error replies carry a sentence for the user in "error".
namespace ShareRoutes {

void add(HttpApp &app, ServerContext &context);

} // namespace ShareRoutes
