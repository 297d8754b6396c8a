#pragma once

#include <QString>

class Storage;
class QTextStream;

// "ledgerwell-server group create OWNER_EMAIL NAME": a household group for a user who has none,
// with the default number of seats. The owner then invites the others from the program.
namespace GroupCommand {

// The exit code; messages go to `out` and `err`.
int create(const Storage &storage, const QString &ownerEmail, const QString &name, QTextStream &out,
           QTextStream &err);

} // namespace GroupCommand
