#pragma once

class HttpApp;
struct ServerContext;

// The signed-in user's synced rows, under /ledgerwell/v1:
//   POST /sync/push {changes: [...]} -> {results: [...]}
//   GET /sync/pull?since=&limit= -> rows by entity type, server_time, has_more, integrity
namespace SyncRoutes {

void add(HttpApp &app, ServerContext &context);

} // namespace SyncRoutes
