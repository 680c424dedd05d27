#pragma once

#include "platform/Dialogs.h"

#include <QString>

// The boxes of the PIN screens, shown through Dialogs.
namespace pinmessages {

// Shows the box for a typed PIN that may not be scrambled, with the
// "not entered" wording of its box. False when a box was shown.
bool acceptEntry(Dialogs &dialogs, const QString &text, const QString &notEnteredText);

// The settings store refused the value: nothing was registered or changed.
void storeFailed(Dialogs &dialogs, const QString &whatWasKept);

} // namespace pinmessages
