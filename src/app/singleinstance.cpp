#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcInstance, "ledgerwell.instance")

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
const QByteArray kShown = QByteArrayLiteral("shown\n");
constexpr int kAnswerWaitMs = 5000;
// Long enough for a first process that is still starting to open its socket.
constexpr int kLockWaitMs = 3000;

} // namespace

SingleInstance::SingleInstance(const QString &dataDirectory, QObject *parent)
    : QObject(parent)
    , m_name(serverName(dataDirectory))
    , m_lock(QDir(dataDirectory).filePath(QStringLiteral("ledgerwell.lock")))
{
    // The lock is held for the whole run, however long: never take it over as stale while the
    // owner lives (QLockFile checks the owner's process id).
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

QString SingleInstance::serverName(const QString &dataDirectory)
{
    const QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? dataDirectory : canonical).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(24);
    return QStringLiteral("ledgerwell-%1").arg(QString::fromLatin1(hash));
}

bool SingleInstance::claim()
{
    if (!m_lock.tryLock(kLockWaitMs)) {
        if (m_lock.error() != QLockFile::LockFailedError) {
            // No lock can be made here (the directory is missing or not writable): nobody else
            // holds it either, and opening the database reports the real trouble.
            qCWarning(lcInstance) << "Cannot create the instance lock in the data directory";
            return true;
        }
        qCInfo(lcInstance) << "Another Ledgerwell process uses this data directory";
        askRunningInstance();
        return false;
    }
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_name)) {
        qCWarning(lcInstance) << "Cannot listen on" << m_name << m_server.errorString();
    }
    return true;
}

bool SingleInstance::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerWaitMs)) {
        return false;
    }
    socket.write(kActivate);
    socket.waitForBytesWritten(kAnswerWaitMs);
    while (socket.bytesAvailable() < kShown.size() && socket.waitForReadyRead(kAnswerWaitMs)) {
    }
    return socket.readAll() == kShown;
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == kActivate) {
                emit activationRequested();
            }
            socket->write(kShown);
            socket->flush();
        });
    }
}
