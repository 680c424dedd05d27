#include "access/PinMessages.h"

#include "access/PinEntry.h"

namespace pinmessages {

bool acceptEntry(Dialogs &dialogs, const QString &text, const QString &notEnteredText) {
    switch (pinentry::check(text)) {
    case pinentry::Fault::None:
        return true;
    case pinentry::Fault::Empty:
        dialogs.notice(notEnteredText);
        return false;
    case pinentry::Fault::WrongLength:
        dialogs.notice(pinentry::wrongLengthMessage());
        return false;
    case pinentry::Fault::NotDigits:
        dialogs.notice(pinentry::notDigitsMessage());
        return false;
    }
    return false;
}

void storeFailed(Dialogs &dialogs, const QString &whatWasKept) {
    dialogs.message(QStringLiteral("暗証番号を保存できませんでした。") + whatWasKept,
                    QStringLiteral("エラー"), BoxIcon::Warning, BoxButtons::Ok);
}

} // namespace pinmessages
