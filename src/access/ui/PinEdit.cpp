#include "access/ui/PinEdit.h"

#include "access/Henkan.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

PinEdit::PinEdit(QWidget *parent) : QLineEdit(parent) {
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    setMaxLength(pinscramble::kPinLength);
    // Digits only, as the help text asks: a letter would otherwise count as 0
    // and make a PIN that nobody typed.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    // After setEchoMode, which sets the input method attribute itself.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhHiddenText | Qt::ImhSensitiveData |
                        Qt::ImhNoPredictiveText);
}

void PinEdit::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        selectAll();
        event->accept();
        return;
    case Qt::Key_Escape:
        clear();
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
