#include "account/keychaintokenstore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace VarnAccount {

namespace {

QString serviceName(const QString &appId)
{
    return QStringLiteral("Varnaby/") + appId;
}

void runJob(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

KeychainTokenStore::KeychainTokenStore(const QString &appId)
    : m_service(serviceName(appId))
{
}

bool KeychainTokenStore::isAvailable(const QString &appId)
{
    // A write (of nothing secret) tells more than a read: a locked or missing collection
    // answers a read with "not found" but refuses the write.
    QKeychain::WritePasswordJob probe(serviceName(appId));
    probe.setKey(QStringLiteral("varnaby_probe"));
    probe.setTextData(QStringLiteral("probe"));
    runJob(probe);
    if (probe.error() != QKeychain::NoError) {
        return false;
    }
    QKeychain::DeletePasswordJob cleanup(serviceName(appId));
    cleanup.setKey(QStringLiteral("varnaby_probe"));
    runJob(cleanup);
    return true;
}

std::optional<QString> KeychainTokenStore::read(const QString &key)
{
    QKeychain::ReadPasswordJob job(m_service);
    job.setKey(key);
    runJob(job);
    if (job.error() != QKeychain::NoError) {
        return std::nullopt;
    }
    return job.textData();
}

bool KeychainTokenStore::write(const QString &key, const QString &value)
{
    QKeychain::WritePasswordJob job(m_service);
    job.setKey(key);
    job.setTextData(value);
    runJob(job);
    return job.error() == QKeychain::NoError;
}

bool KeychainTokenStore::remove(const QString &key)
{
    QKeychain::DeletePasswordJob job(m_service);
    job.setKey(key);
    runJob(job);
    return job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound;
}

} // namespace VarnAccount
