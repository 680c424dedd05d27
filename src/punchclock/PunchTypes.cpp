#include "punchclock/PunchTypes.h"

QString kindCaption(int k) {
    switch (k) {
    case 0:
        return QStringLiteral("出勤");
    case 1:
        return QStringLiteral("休憩");
    case 2:
        return QStringLiteral("戻り");
    case 3:
        return QStringLiteral("退勤");
    default:
        return {};
    }
}
