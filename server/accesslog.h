#pragma once

#include <QByteArray>
#include <QString>

// One line per request on standard error: time, method, path, status, milliseconds. The path is
// written without its query, and nothing of the headers or body, so no token or password can
// reach the log.
namespace AccessLog {

QByteArray line(const QByteArray &method, const QString &path, int status, qint64 ms);
void write(const QByteArray &method, const QString &path, int status, qint64 ms);

} // namespace AccessLog
