#include "platform/OsKind.h"

QString osKindFromVersion(const OsVersion &v) {
    if (!v.known)
        return QStringLiteral("NXP");
    // The decimal number major.minor; the build number plays no part.
    const int tenths = v.major * 10 + (v.minor >= 10 ? 9 : v.minor);
    if (tenths >= 60)
        return QStringLiteral("Vista");
    if (tenths >= 51)
        return QStringLiteral("XP");
    return QStringLiteral("NXP");
}

OsVersion platformOsVersion() {
    return {5, 1, true};
}
