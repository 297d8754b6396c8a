#pragma once

#include <QString>

// Import, backup, report and recurring-posting figures on `transactions` generated rows, and the
// command-line companion's peak memory during the largest import.
void serviceScenarios(int transactions, int runs, const QString &cliPath);
