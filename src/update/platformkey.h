#pragma once

#include <QString>

namespace VarnUpdate {

// The manifest's name for the build that runs here: "windows-x64" on 64-bit Intel Windows,
// "linux-x64" on 64-bit Intel Linux, and nothing elsewhere (no build is published for ARM or
// other systems, so the check then reports the installation up to date).
namespace PlatformKey {

// `system` is "windows", "linux" or anything else; `cpuArchitecture` as
// QSysInfo::currentCpuArchitecture() names it ("x86_64", "arm64", ...).
QString forSystem(const QString &system, const QString &cpuArchitecture);
QString current();

} // namespace PlatformKey

} // namespace VarnUpdate
