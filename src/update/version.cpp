#include "update/version.h"

#include <QStringList>

#include <tuple>

namespace VarnUpdate {

Version Version::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.isEmpty() || parts.size() > 3) {
        return {};
    }
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts.at(i).toInt(&ok, 10);
        if (!ok) {
            return {};
        }
    }
    return {numbers[0], numbers[1], numbers[2]};
}

bool operator==(const Version &a, const Version &b)
{
    return std::tie(a.major, a.minor, a.patch) == std::tie(b.major, b.minor, b.patch);
}

bool operator!=(const Version &a, const Version &b)
{
    return !(a == b);
}

bool operator<(const Version &a, const Version &b)
{
    return std::tie(a.major, a.minor, a.patch) < std::tie(b.major, b.minor, b.patch);
}

bool operator<=(const Version &a, const Version &b)
{
    return !(b < a);
}

bool isOlder(const QString &version, const QString &than)
{
    return Version::parse(version) < Version::parse(than);
}

} // namespace VarnUpdate
