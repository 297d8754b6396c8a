#include "account/relativetime.h"

#include <QLocale>

namespace VarnAccount {

QString RelativeTime::format(const QDateTime &time, const QDateTime &now)
{
    if (!time.isValid()) {
        return tr("Unknown");
    }
    const qint64 s = time.toUTC().secsTo(now.toUTC());
    if (s < 60) {
        return tr("Active now");
    }
    if (s < 3600) {
        return tr("%1m ago").arg(s / 60);
    }
    if (s < 86400) {
        return tr("%1h ago").arg(s / 3600);
    }
    if (s < 604800) {
        return tr("%1d ago").arg(s / 86400);
    }
    return QLocale().toString(time.toLocalTime().date(), QStringLiteral("MMM d, yyyy"));
}

QString RelativeTime::format(const QString &isoText, const QDateTime &now)
{
    return format(parse(isoText), now);
}

QDateTime RelativeTime::parse(const QString &isoText)
{
    QDateTime time = QDateTime::fromString(isoText, Qt::ISODateWithMs);
    if (!time.isValid()) {
        time = QDateTime::fromString(isoText, Qt::ISODate);
    }
    if (time.isValid() && time.timeSpec() == Qt::LocalTime) {
        // A stamp without an offset is UTC on the server's side.
        time.setTimeSpec(Qt::UTC);
    }
    return time;
}

} // namespace VarnAccount
