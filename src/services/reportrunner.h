#pragma once

#include "reportrecords.h"

#include <QDate>
#include <QList>
#include <QString>

#include <memory>

class Database;
class ReaderPool;

// One refresh of the reports: the filter period and account, and the two compared periods.
struct ReportRequest
{
    QString accountId; // empty: every account
    QDate from;
    QDate to;
    QDate compareFrom1;
    QDate compareTo1;
    QDate compareFrom2;
    QDate compareTo2;
    // Off: transfers between accounts are left out of the dated reports.
    bool includeTransfers = true;
};

struct ReportResults
{
    QList<CategoryAmount> categorySpending;
    QList<PayeeTotal> payeeSummary;
    QList<TaxLine> taxReport;
    QList<MonthlyCashFlow> cashFlow;
    QList<CategoryComparison> comparison;
    QList<AccountSummaryRow> accountSummary;
};

// Runs all six reports at once. Each report scans the whole period, so on a large file they are
// spread over read-only connections on other cores; an in-memory database, a single core or a
// file the readers cannot open runs them one after another on the main connection instead.
class ReportRunner final
{
public:
    // `readers` extra connections at most; by default one per core beyond the caller's, up to 2.
    explicit ReportRunner(Database *database, int readers = -1);
    ~ReportRunner();
    ReportRunner(const ReportRunner &) = delete;
    ReportRunner &operator=(const ReportRunner &) = delete;

    ReportResults run(const ReportRequest &request);

    // The reader connections in use (0 while running on the main connection alone).
    int readerCount() const;

private:
    ReaderPool *pool();

    Database *m_database;
    int m_readers;
    std::unique_ptr<ReaderPool> m_pool;
    bool m_poolTried = false;
};
