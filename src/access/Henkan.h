#pragma once

#include <QString>

#include <array>

// The one scrambling of the administrator PIN: what is stored and what an
// entry is compared with both come from henkan(), never from the PIN itself.
namespace pinscramble {

inline constexpr int kPinLength = 6;
inline constexpr int kDigits = 10;

// The PIN position (0-based) that feeds each output letter.
extern const std::array<int, kPinLength> kOrder;
// One row of ten distinct uppercase letters per output letter, indexed by digit.
extern const std::array<std::array<char, kDigits>, kPinLength> kRows;

// Six uppercase letters. A character that is not a digit 0-9, or a position
// past the end of the text, counts as the digit 0; characters past the sixth
// play no part.
QString henkan(const QString &pin);

} // namespace pinscramble
