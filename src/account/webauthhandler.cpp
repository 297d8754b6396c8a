#include "account/webauthhandler.h"

#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace VarnAccount {

namespace {

const QByteArray kDone =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n<html><body "
    "style='font-family: sans-serif; text-align: center; padding: 40px;'><h2>Authentication "
    "complete!</h2><p>You can close this tab and return to the application.</p></body></html>";

const QByteArray kRefused = "HTTP/1.1 400 Bad Request\r\nContent-Type: text/plain\r\n"
                            "Connection: close\r\nContent-Length: 12\r\n\r\nBad request\n";

QString randomState()
{
    QByteArray bytes(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), 4);
    return QString::fromLatin1(bytes.toHex());
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_server->close();
        emit timedOut();
    });
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::onNewConnection);
}

WebAuthHandler::~WebAuthHandler() = default;

QString WebAuthHandler::start()
{
    if (!m_server->isListening() && !m_server->listen(QHostAddress::LocalHost, kPreferredPort) &&
        !m_server->listen(QHostAddress::LocalHost, 0)) {
        return QString();
    }
    m_port = m_server->serverPort();
    m_state = randomState();
    m_timer->start(m_timeoutMs);
    return QStringLiteral("http://localhost:%1/callback?state=%2").arg(m_port).arg(m_state);
}

void WebAuthHandler::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void WebAuthHandler::onReadyRead(QTcpSocket *socket)
{
    if (!m_buffers.contains(socket)) {
        return;
    }
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->read(kMaxRequestLine - buffer.size());
    const int end = buffer.indexOf('\n');
    if (end < 0 && buffer.size() < kMaxRequestLine) {
        return; // the request line is not complete yet
    }
    const QByteArray line = end < 0 ? buffer : buffer.left(end);
    m_buffers.remove(socket);
    answer(socket, line.trimmed());
}

void WebAuthHandler::answer(QTcpSocket *socket, const QByteArray &requestLine)
{
    const QList<QByteArray> parts = requestLine.split(' ');
    const QString target = QString::fromUtf8(parts.value(1));
    const QUrl url(QStringLiteral("http://localhost:%1%2").arg(m_port).arg(target));
    const bool ours = parts.size() >= 3 && !m_state.isEmpty() &&
                      QUrlQuery(url).queryItemValue(QStringLiteral("state")) == m_state;
    socket->write(ours ? kDone : kRefused);
    socket->flush();
    socket->disconnectFromHost();
    if (!ours) {
        return;
    }
    m_timer->stop();
    emit callbackReceived(url);
    if (m_server->isListening()) {
        m_server->close();
    }
}

} // namespace VarnAccount
