#include "access/ui/PinBox.h"

#include "access/Henkan.h"
#include "screen/ui/EntryBox.h"

#include <QLineEdit>

EntryBox *makePinBox(QWidget *parent, const QString &name) {
    auto *line = new QLineEdit(parent);
    line->setObjectName(name);
    line->setEchoMode(QLineEdit::Password);
    line->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    line->setMaxLength(pinscramble::kPinLength);
    // Digits only, as the help text asks: a letter would otherwise count as 0
    // and make a PIN that nobody typed. Attached after setEchoMode, which sets
    // the input method attribute itself.
    EntryBox *box = EntryBox::attach(line, KeyFilter::Digits);
    line->setInputMethodHints(line->inputMethodHints() | Qt::ImhHiddenText | Qt::ImhSensitiveData |
                              Qt::ImhNoPredictiveText);
    return box;
}
