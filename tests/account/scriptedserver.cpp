#include "scriptedserver.h"

#include <QTcpSocket>

QByteArray ScriptedServer::Request::header(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0) {
            return h.second;
        }
    }
    return {};
}

bool ScriptedServer::Request::hasHeader(const QByteArray &name) const
{
    for (const auto &h : headers) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

ScriptedServer::ScriptedServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setProperty("buffer", QByteArray());
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

void ScriptedServer::serve(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    socket->setProperty("buffer", buffer);
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return;
    }
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        request.headers.append(
            {lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
    }
    const int length = request.header("Content-Length").toInt();
    if (buffer.size() < headerEnd + 4 + length) {
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("buffer", buffer.mid(headerEnd + 4 + length));
    m_requests.append(request);
    const Answer answer = m_answers.isEmpty() ? Answer{404, "{}", false} : m_answers.takeFirst();
    if (answer.silent) {
        return;
    }
    socket->write("HTTP/1.1 " + QByteArray::number(answer.status) +
                  " X\r\nContent-Type: application/json\r\nContent-Length: " +
                  QByteArray::number(answer.body.size()) + "\r\n\r\n" +
                  (answer.cutAfter < 0 ? answer.body : answer.body.left(answer.cutAfter)));
    if (answer.cutAfter >= 0) {
        socket->flush();
        socket->disconnectFromHost();
    }
}
