#pragma once

#include <QString>

// What a typed PIN must be before it is scrambled: six digits 0-9.
namespace pinentry {

enum class Fault { None, Empty, WrongLength, NotDigits };

Fault check(const QString &text);

// "暗証番号は６桁で入力してください。"
QString wrongLengthMessage();
// The boxes take digits only; a text that still holds another character
// (pasted by some other way) is refused instead of counting it as 0.
QString notDigitsMessage();

} // namespace pinentry
