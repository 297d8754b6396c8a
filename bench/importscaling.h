#pragma once

#include <QString>

// The command-line import of 100,000 and 1,000,000 CSV rows, each into a fresh data directory:
// its time and its peak memory, so that both can be seen to grow with the file as they should
// (time linearly, memory not at all); and 1,000,000 QIF records, whose memory must stay flat too.
void importScaling(const QString &cliPath);
