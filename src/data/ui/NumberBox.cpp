#include "data/ui/NumberBox.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

void makeNumberBox(QLineEdit *box, int maxLength) {
    box->setMaxLength(maxLength);
    box->setAlignment(Qt::AlignRight);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setAcceptDrops(false);
    box->setInputMethodHints(Qt::ImhDigitsOnly);
}
