#pragma once

#include <QString>

struct OsVersion {
    int major = 0;
    int minor = 0;
    bool known = false;
};

// "XP" for 5.1 up to 6, "Vista" from 6 on, "NXP" below 5.1 or when unknown.
QString osKindFromVersion(const OsVersion &v);

// The version this platform reports. Linux desktops draw themed window frames
// like the XP generation and the small-display notice of the Vista generation
// does not apply, so the version is fixed at 5.1.
OsVersion platformOsVersion();
