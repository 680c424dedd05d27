#include "data/StorableText.h"

#include "platform/Codec932.h"

namespace storable {

bool holds(const QString &text) {
    for (const QChar c : text)
        if (c == QLatin1Char('"') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return cp932::canEncode(text);
}

QString refusalText(const QString &text) {
    return QStringLiteral("「") + text +
           QStringLiteral("」には保存できない文字が含まれているため、使用できません。");
}

bool accept(Dialogs &dialogs, const QString &text) {
    if (holds(text))
        return true;
    dialogs.notice(refusalText(text));
    return false;
}

} // namespace storable
