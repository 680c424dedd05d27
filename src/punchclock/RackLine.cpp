#include "punchclock/RackLine.h"

#include "punchclock/PunchTypes.h"

namespace rackline {

QString format(const QString &code, const QString &name) {
    return code.left(kCodeWidth).leftJustified(kCodeWidth, QLatin1Char(' ')) + name;
}

QString codeOf(const QString &line) {
    return line.left(kCodeWidth).trimmed();
}

QString nameOf(const QString &line) {
    return line.mid(kCodeWidth);
}

} // namespace rackline

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
