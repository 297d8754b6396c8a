#pragma once

#include <QString>

// The main window on a household file of `transactions` lines over ten accounts: a whole start
// of the program (launch to idle, and its peak memory), a sidebar refresh, and a 10,000-row CSV
// import with and without the window open.
// With `householdDir` set, the household is generated into that data directory once and reused
// by later runs (a million lines take minutes to generate).
void windowScenarios(int transactions, int runs, const QString &programPath,
                     const QString &householdDir = QString());

// The reports window refreshing all six tabs (and both charts) over the whole history of
// `transactions` lines.
void reportsScenario(int transactions, int runs);
