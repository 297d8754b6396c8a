#pragma once

#include <QSqlDatabase>
#include <QStringList>

// Asks SQLite whether the data file is whole: its own page and index checks, then the search
// index against the transactions it indexes. Reads only; the search check is written as an
// INSERT but changes nothing.
class IntegrityCheck
{
public:
    enum class Depth
    {
        Quick, // PRAGMA quick_check: the pages and records, not every index entry (start-up)
        Full   // PRAGMA integrity_check and the search index
    };

    struct Result
    {
        bool ran = false;     // false when the checks themselves could not run
        QStringList problems; // SQLite's own words, at most kMaxProblems of them
        bool isHealthy() const { return ran && problems.isEmpty(); }
    };

    static constexpr int kMaxProblems = 100;

    static Result run(const QSqlDatabase &db, Depth depth);
};
