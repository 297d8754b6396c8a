#pragma once

#include <QString>

class Storage;

// The server's schema, one numbered step after another; the version reached is kept in the table
// schema_version. Each step runs in one transaction on both drivers.
namespace Migrations {

bool apply(const Storage &storage, QString *error);
int latestVersion();

} // namespace Migrations
