#include "platform/Dialogs.h"

void Dialogs::notice(const QString &text) {
    message(text, QStringLiteral("お知らせ"), BoxIcon::None, BoxButtons::Ok);
}

void Dialogs::info(const QString &text) {
    notice(text);
}

bool Dialogs::confirm(const QString &text) {
    return message(text, QStringLiteral("確認"), BoxIcon::Warning, BoxButtons::OkCancel) ==
           BoxAnswer::Ok;
}

BoxAnswer Dialogs::choose(const QString &text, const QString &title, BoxIcon icon, const QString &,
                          const QString &) {
    return message(text, title, icon, BoxButtons::YesNoCancel);
}
