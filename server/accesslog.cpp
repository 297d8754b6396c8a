#include "server/accesslog.h"

#include <QDateTime>

#include <cstdio>

namespace AccessLog {

QByteArray line(const QByteArray &method, const QString &path, int status, qint64 ms)
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + ' ' + method + ' ' +
           path.toUtf8() + ' ' + QByteArray::number(status) + ' ' + QByteArray::number(ms) + "ms\n";
}

void write(const QByteArray &method, const QString &path, int status, qint64 ms)
{
    const QByteArray text = line(method, path, status, ms);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

} // namespace AccessLog
