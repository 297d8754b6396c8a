#pragma once

#include <QHash>
#include <QObject>
#include <QUrl>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace VarnAccount {

// The one-shot loopback listener the browser is redirected to after sign-in. The redirect URI
// carries a random `state`; a request without that state (another local program trying to hand
// us tokens of its own account) is answered 400 and ignored, and listening goes on. Gives up
// after five minutes.
class WebAuthHandler final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebAuthHandler)

public:
    static constexpr quint16 kPreferredPort = 19876;
    static constexpr int kMaxRequestLine = 8 * 1024;
    static constexpr int kDefaultTimeoutMs = 5 * 60 * 1000;

    explicit WebAuthHandler(QObject *parent = nullptr);
    ~WebAuthHandler() override;

    // Listens on 127.0.0.1 (port 19876, else any free port) and returns the redirect URI
    // "http://localhost:<port>/callback?state=<random>"; empty when no port could be opened.
    QString start();
    quint16 port() const { return m_port; }
    QString state() const { return m_state; }
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

signals:
    void callbackReceived(const QUrl &url);
    void timedOut();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &requestLine);

    QTcpServer *m_server;
    QTimer *m_timer;
    quint16 m_port = 0;
    QString m_state;
    int m_timeoutMs = kDefaultTimeoutMs;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace VarnAccount
