#pragma once

#include <array>

// The archive's first entry: its format version and when it was written.
inline constexpr char kBackupManifest[] = "manifest.json";

// One table of a backup: its name in the data file, its folder in the archive, the manifest's
// count key, and whether its rows carry the sync columns.
struct BackupTable
{
    const char *name;
    const char *folder;
    const char *countKey;
    bool hasSyncColumns;
};

// The archive's order: parents before the rows that reference them.
inline constexpr std::array<BackupTable, 6> kBackupTables{{
    {"accounts", "accounts", "accountCount", true},
    {"categories", "categories", "categoryCount", true},
    {"transactions", "transactions", "transactionCount", true},
    {"split_lines", "split_lines", "splitLineCount", false},
    {"recurring_transactions", "recurring", "recurringCount", true},
    {"reconciliations", "reconciliations", "reconciliationCount", true},
}};
