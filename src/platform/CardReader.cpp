#include "platform/CardReader.h"

namespace cardid {

QString fromBytes(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex()).toUpper();
}

QString normalized(const QString &text) {
    const QString id = text.trimmed().toUpper();
    if (id.isEmpty() || id.size() > kMaxLength)
        return {};
    for (const QChar c : id)
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) &&
            (c < QLatin1Char('A') || c > QLatin1Char('F')))
            return {};
    return id;
}

} // namespace cardid
