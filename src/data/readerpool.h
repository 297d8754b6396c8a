#pragma once

#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class Database;
class QThread;

// Threads that each keep a read-only connection to one database file, so that independent
// queries can run side by side on several cores. The calling thread takes part with its own
// connection: a pool of N readers runs N + 1 queries at once.
class ReaderPool final
{
public:
    using Job = std::function<void(Database *connection)>;

    ReaderPool(const QString &path, int readers);
    ~ReaderPool();
    ReaderPool(const ReaderPool &) = delete;
    ReaderPool &operator=(const ReaderPool &) = delete;

    // False when a reader could not open the file; the pool is then of no use.
    bool isReady() const { return m_ready; }
    int readerCount() const { return int(m_threads.size()); }

    // Runs every job once and returns when all are done. Jobs are taken in order by whichever
    // connection is free, so the longest should come first. `own` is the caller's connection.
    void runAll(const std::vector<Job> &jobs, Database *own);

private:
    void readerLoop(const QString &path, const QString &connectionName);
    // Takes and runs jobs until none is left; called with the lock held, returns with it held.
    void drain(std::unique_lock<std::mutex> &lock, Database *connection);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_finished;
    const std::vector<Job> *m_jobs = nullptr;
    size_t m_next = 0;
    size_t m_pending = 0;
    int m_opening = 0;
    bool m_ready = true;
    bool m_stop = false;
    std::vector<std::unique_ptr<QThread>> m_threads;
};
