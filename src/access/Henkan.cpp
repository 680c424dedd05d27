#include "access/Henkan.h"

namespace pinscramble {

const std::array<int, kPinLength> kOrder{3, 0, 5, 2, 4, 1};

// clang-format off
const std::array<std::array<char, kDigits>, kPinLength> kRows{{
    {'K', 'D', 'R', 'W', 'A', 'Q', 'Z', 'M', 'T', 'F'},
    {'X', 'B', 'N', 'G', 'U', 'J', 'C', 'L', 'Y', 'E'},
    {'P', 'H', 'V', 'S', 'O', 'K', 'W', 'D', 'A', 'I'},
    {'M', 'Z', 'T', 'C', 'F', 'R', 'X', 'B', 'Q', 'N'},
    {'J', 'Y', 'E', 'G', 'L', 'U', 'P', 'V', 'H', 'S'},
    {'W', 'O', 'A', 'I', 'D', 'N', 'K', 'T', 'C', 'Z'},
}};
// clang-format on

namespace {
int digitAt(const QString &pin, int pos) {
    if (pos >= pin.size())
        return 0;
    const char16_t c = pin.at(pos).unicode();
    return (c >= u'0' && c <= u'9') ? int(c - u'0') : 0;
}
} // namespace

QString henkan(const QString &pin) {
    QString out;
    out.reserve(kPinLength);
    for (int i = 0; i < kPinLength; ++i)
        out.append(QLatin1Char(kRows[i][digitAt(pin, kOrder[i])]));
    return out;
}

} // namespace pinscramble
