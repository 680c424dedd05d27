#pragma once

#include <QString>

// The keys a number box takes: the digits 0-9, Enter, Backspace and Esc; any
// other key that types a character is ignored. Tab and Delete type nothing
// into the box: they move the focus and delete as in any box.
inline bool acceptsNumberKey(int qtKey, const QString &text) {
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}
