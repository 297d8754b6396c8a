#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

namespace VarnAccount {

// How long ago a session was active or a device synced: "Active now", "5m ago", "3h ago",
// "2d ago", and from a week on the local date.
class RelativeTime final
{
    Q_DECLARE_TR_FUNCTIONS(VarnAccount::RelativeTime)

public:
    static QString format(const QDateTime &time, const QDateTime &now);
    // The server's ISO 8601 text; "Unknown" when it cannot be read.
    static QString format(const QString &isoText, const QDateTime &now);
    static QDateTime parse(const QString &isoText);
};

} // namespace VarnAccount
