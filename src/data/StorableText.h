#pragma once

#include "platform/Dialogs.h"

#include <QString>

// Whether a text the user typed can go into the data files as typed. Every
// value is written in double quotes on a line of its own in code page 932, so
// a value holds no double quote and no control character, and only characters
// that the code page keeps: one it lacks would be written as "?", and some
// ("〜", "—") come back as others.
namespace storable {

bool holds(const QString &text);

// "「…」には保存できない文字が含まれているため、使用できません。"
QString refusalText(const QString &text);

// True when the text can be stored; otherwise the refusal is shown.
bool accept(Dialogs &dialogs, const QString &text);

} // namespace storable
