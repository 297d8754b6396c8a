#pragma once

#include <QString>

// The command list `ledgerwell-cli --help` prints.
namespace CliUsage {

QString text();

} // namespace CliUsage
