#include "readerpool.h"

#include "database.h"

#include <QThread>

#include <atomic>

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("ledgerwell-reader-%1").arg(++counter);
}

} // namespace

ReaderPool::ReaderPool(const QString &path, int readers)
{
    m_opening = readers;
    for (int i = 0; i < readers; ++i) {
        const QString name = nextConnectionName();
        m_threads.emplace_back(QThread::create([this, path, name] { readerLoop(path, name); }));
        m_threads.back()->start();
    }
    std::unique_lock lock(m_mutex);
    m_finished.wait(lock, [this] { return m_opening == 0; });
}

ReaderPool::~ReaderPool()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (const auto &thread : m_threads) {
        thread->wait();
    }
}

void ReaderPool::readerLoop(const QString &path, const QString &connectionName)
{
    // The connection belongs to this thread: it is opened, used and closed here only.
    Database connection(connectionName, nullptr);
    const bool opened = connection.openReadOnly(path);
    std::unique_lock lock(m_mutex);
    m_ready = m_ready && opened;
    --m_opening;
    m_finished.notify_all();
    if (!opened) {
        return;
    }
    while (true) {
        m_wake.wait(lock, [this] { return m_stop || (m_jobs && m_next < m_jobs->size()); });
        if (m_stop) {
            return;
        }
        drain(lock, &connection);
    }
}

void ReaderPool::drain(std::unique_lock<std::mutex> &lock, Database *connection)
{
    while (m_jobs && m_next < m_jobs->size()) {
        const Job &job = (*m_jobs)[m_next++];
        lock.unlock();
        job(connection);
        lock.lock();
        if (--m_pending == 0) {
            m_finished.notify_all();
        }
    }
}

void ReaderPool::runAll(const std::vector<Job> &jobs, Database *own)
{
    std::unique_lock lock(m_mutex);
    m_jobs = &jobs;
    m_next = 0;
    m_pending = jobs.size();
    m_wake.notify_all();
    drain(lock, own);
    m_finished.wait(lock, [this] { return m_pending == 0; });
    m_jobs = nullptr;
}
