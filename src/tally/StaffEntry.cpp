#include "tally/StaffEntry.h"

namespace staffentry {

QString mark() {
    return QStringLiteral("◆");
}

QString format(const QString &code, const QString &name, bool marked) {
    const QString line = code.left(kCodeWidth).leftJustified(kCodeWidth, QLatin1Char(' ')) + name;
    return marked ? mark() + line : line;
}

bool isMarked(const QString &entry) {
    return entry.startsWith(mark());
}

QString marked(const QString &entry) {
    return isMarked(entry) ? entry : mark() + entry;
}

QString codeOf(const QString &entry) {
    return entry.mid(isMarked(entry) ? 1 : 0, kCodeWidth).trimmed();
}

QString nameOf(const QString &entry) {
    return entry.mid((isMarked(entry) ? 1 : 0) + kCodeWidth).trimmed();
}

QString storedNameOf(const QString &entry) {
    return entry.mid((isMarked(entry) ? 1 : 0) + kCodeWidth, kStoredNameLength).trimmed();
}

} // namespace staffentry
