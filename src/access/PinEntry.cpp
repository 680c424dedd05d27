#include "access/PinEntry.h"

#include "access/Henkan.h"

namespace pinentry {

Fault check(const QString &text) {
    if (text.isEmpty())
        return Fault::Empty;
    if (text.size() != pinscramble::kPinLength)
        return Fault::WrongLength;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return Fault::NotDigits;
    }
    return Fault::None;
}

QString wrongLengthMessage() {
    return QStringLiteral("暗証番号は６桁で入力してください。");
}

QString notDigitsMessage() {
    return QStringLiteral("暗証番号は６桁の数字で入力してください。");
}

} // namespace pinentry
