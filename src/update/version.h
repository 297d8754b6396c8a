#pragma once

#include <QString>

namespace VarnUpdate {

// A release number as three integers. Texts that are not one to three base-10 numbers separated
// by dots ("1.x", "", "1.2.3.4") read as 0.0.0, so a malformed manifest never offers an update.
struct Version
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    static Version parse(const QString &text);
};

bool operator==(const Version &a, const Version &b);
bool operator!=(const Version &a, const Version &b);
bool operator<(const Version &a, const Version &b);
bool operator<=(const Version &a, const Version &b);

// Shorthand for comparing two version texts.
bool isOlder(const QString &version, const QString &than);

} // namespace VarnUpdate
