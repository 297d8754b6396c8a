#pragma once

#include <QString>

// A backup of a household of `transactions` lines restored twice into an empty data directory:
// by the CLI (`import-backup --mode overwrite`, the whole process) and through the main window's
// Preferences (Data & Sync, "Replace all with backup data") with the window asking to repaint
// every 10 ms. Prints both times, their ratio and the longest gap between the window's paint
// events during the window's import.
void backupWindowScenario(int transactions, const QString &cliPath);
