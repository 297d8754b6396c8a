#include "update/platformkey.h"

#include <QSysInfo>

namespace VarnUpdate::PlatformKey {

QString forSystem(const QString &system, const QString &cpuArchitecture)
{
    if (cpuArchitecture != QLatin1String("x86_64")) {
        return {};
    }
    if (system == QLatin1String("windows")) {
        return QStringLiteral("windows-x64");
    }
    if (system == QLatin1String("linux")) {
        return QStringLiteral("linux-x64");
    }
    return {};
}

QString current()
{
#if defined(Q_OS_WIN)
    const QString system = QStringLiteral("windows");
#elif defined(Q_OS_LINUX)
    const QString system = QStringLiteral("linux");
#else
    const QString system = QSysInfo::kernelType();
#endif
    return forSystem(system, QSysInfo::currentCpuArchitecture());
}

} // namespace VarnUpdate::PlatformKey
