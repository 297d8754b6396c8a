#include "account/deviceidentity.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QSysInfo>

namespace VarnAccount::DeviceIdentity {

namespace {

QString machineId()
{
#ifdef Q_OS_WIN
    const QSettings registry(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
        QSettings::NativeFormat);
    return registry.value(QStringLiteral("MachineGuid")).toString();
#else
    return QString::fromLatin1(QSysInfo::machineUniqueId());
#endif
}

} // namespace

QString hostNameFingerprint(const QString &hostName)
{
    return QString::fromLatin1(
               QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha256).toHex())
        .left(32);
}

QString deviceFingerprint()
{
    const QString id = machineId();
    return id.isEmpty() ? hostNameFingerprint(QSysInfo::machineHostName()) : id;
}

QString platformName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QStringLiteral("Linux");
#endif
}

} // namespace VarnAccount::DeviceIdentity
