#include "tally/TallyMonth.h"

#include "data/CardMonth.h"

namespace tallymonth {

QStringList listNewestFirst(FileSystem &fs) {
    return CardMonth::sorted(CardMonth::entries(fs), CardMonth::Order::NewestFirst,
                             CardMonth::Others::Last);
}

bool isSafeFolder(const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return false;
    return true;
}

QString unsafeFolderText(const QString &name) {
    return QStringLiteral("「") + name +
           QStringLiteral("」はデータフォルダーの外を指すため、開けません。");
}

} // namespace tallymonth
