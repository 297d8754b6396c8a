#include "reportrunner.h"

#include "data/database.h"
#include "data/readerpool.h"
#include "reportservice.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <mutex>

namespace {

constexpr int kMaxReaders = 2;

bool isSharedFile(const QString &path)
{
    return !path.isEmpty() && path != QLatin1String(":memory:") &&
           !path.startsWith(QLatin1String("file:")) && QFileInfo(path).isFile();
}

} // namespace

ReportRunner::ReportRunner(Database *database, int readers)
    : m_database(database)
    , m_readers(readers >= 0 ? readers
                             : std::clamp(QThread::idealThreadCount() - 1, 0, kMaxReaders))
{
}

ReportRunner::~ReportRunner() = default;

int ReportRunner::readerCount() const
{
    return m_pool ? m_pool->readerCount() : 0;
}

ReaderPool *ReportRunner::pool()
{
    if (!m_poolTried) {
        m_poolTried = true;
        if (m_readers > 0 && isSharedFile(m_database->path())) {
            m_pool = std::make_unique<ReaderPool>(m_database->path(), m_readers);
            if (!m_pool->isReady()) {
                m_pool.reset();
            }
        }
    }
    return m_pool.get();
}

ReportResults ReportRunner::run(const ReportRequest &r)
{
    ReportResults out;
    const auto reports = [&r](Database *db) {
        auto service = std::make_unique<ReportService>(db);
        service->setIncludeTransfers(r.includeTransfers);
        return service;
    };
    // Longest first: the category and payee reports group every row of the period.
    const std::vector<ReaderPool::Job> jobs = {
        [&](Database *db) {
            out.categorySpending = reports(db)->categorySpending(r.from, r.to, r.accountId);
        },
        [&](Database *db) {
            out.payeeSummary = reports(db)->payeeSummary(r.from, r.to, r.accountId);
        },
        [&](Database *db) { out.accountSummary = reports(db)->accountSummary(); },
        [&](Database *db) {
            out.cashFlow = reports(db)->cashFlowByMonth(r.from, r.to, r.accountId);
        },
        [&](Database *db) { out.taxReport = reports(db)->taxReport(r.from, r.to); },
        [&](Database *db) {
            out.comparison = reports(db)->compareCategories(
                r.compareFrom1, r.compareTo1, r.compareFrom2, r.compareTo2, r.accountId);
        },
    };
    if (ReaderPool *readers = pool()) {
        // A reader that hit a damaged page tells the main connection, whose failure the window
        // and the command line report.
        std::mutex lock;
        QSqlError failure;
        std::vector<ReaderPool::Job> checked;
        for (const ReaderPool::Job &job : jobs) {
            checked.push_back([&, job](Database *db) {
                job(db);
                if (db != m_database && db->readFailure().isValid()) {
                    const std::lock_guard<std::mutex> guard(lock);
                    failure = db->readFailure();
                    db->clearReadFailure();
                }
            });
        }
        readers->runAll(checked, m_database);
        m_database->noteReadFailure(failure);
    } else {
        for (const auto &job : jobs) {
            job(m_database);
        }
    }
    return out;
}
