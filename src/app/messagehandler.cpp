#include "messagehandler.h"

#include <cstdio>

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const QByteArray line = MessageHandler::quietLine(type, message);
    if (!line.isEmpty()) {
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
}

} // namespace

namespace MessageHandler {

QByteArray quietLine(QtMsgType type, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return {};
    case QtWarningMsg:
        return "WARN: " + message.toLocal8Bit() + '\n';
    case QtCriticalMsg:
    case QtFatalMsg:
        break;
    }
    return message.toLocal8Bit() + '\n';
}

void installQuiet()
{
    qInstallMessageHandler(quietHandler);
}

} // namespace MessageHandler
