#pragma once

#include <QString>

class Storage;
class QTextStream;

// "ledgerwell-server user add EMAIL [--name NAME]": the password is the first line of standard
// input (so that it never appears in the process list or the shell history).
namespace UserCommand {

// The exit code; messages go to `out` and `err`.
int add(const Storage &storage, const QString &email, const QString &name, QTextStream &in,
        QTextStream &out, QTextStream &err);

} // namespace UserCommand
