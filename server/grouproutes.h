#pragma once

class HttpApp;
struct ServerContext;

// The signed-in user's group, under /account/v1:
//   GET /group -> id, name, max_seats, members, pending_invitations (the owner's view only)
//   POST /group/invite {email} or empty -> an invitation with its code (owner only)
//   POST /group/join/{code}, POST /group/leave
//   DELETE /group/members/{user id}, DELETE /group/invitations/{id} (owner only)
// Leaving or being removed ends every share between the member and the rest of the group.
namespace GroupRoutes {

void add(HttpApp &app, ServerContext &context);

} // namespace GroupRoutes
