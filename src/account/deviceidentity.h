#pragma once

#include <QString>

namespace VarnAccount {

// What the program tells the account service about this machine.
namespace DeviceIdentity {

// Windows: the registry's MachineGuid; elsewhere QSysInfo::machineUniqueId(). When that is
// empty, the first 32 hexadecimal digits of the SHA-256 of the host name.
QString deviceFingerprint();
// The fallback on its own, for a given host name.
QString hostNameFingerprint(const QString &hostName);
QString platformName();

} // namespace DeviceIdentity

} // namespace VarnAccount
