#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The quiet logging of a normal run: debug and info dropped, warnings prefixed with "WARN: ".
namespace MessageHandler {

// The bytes written to standard error for one message; empty when the message is dropped.
QByteArray quietLine(QtMsgType type, const QString &message);
void installQuiet();

} // namespace MessageHandler
