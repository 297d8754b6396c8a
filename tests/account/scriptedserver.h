#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>

// A loopback HTTP server that answers from a script, for the few cases where a test must force
// what a real server would not send (a 401 after a good refresh, silence) or must see the raw
// request. Each request is recorded; each answer is taken from the front of the script.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray target;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        QByteArray header(const QByteArray &name) const;
        bool hasHeader(const QByteArray &name) const;
    };
    struct Answer
    {
        int status = 200;
        QByteArray body;
        bool silent = false; // never answer
        int cutAfter = -1;   // send only this many bytes of the body, then hang up
    };

    ScriptedServer();
    quint16 port() const { return m_server.serverPort(); }
    void script(const QList<Answer> &answers) { m_answers = answers; }
    const QList<Request> &requests() const { return m_requests; }

private:
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    QList<Answer> m_answers;
    QList<Request> m_requests;
};
