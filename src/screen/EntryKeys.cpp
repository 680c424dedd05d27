#include "screen/EntryKeys.h"

#include <QtCore/qnamespace.h>

namespace {

bool takes(KeyFilter filter, QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    // Character code 16 passes the key rules of the number and certified boxes.
    if (c == QChar(0x10))
        return true;
    return filter == KeyFilter::CertifiedHours &&
           (c == QLatin1Char('.') || c == QLatin1Char(':') || c == QLatin1Char('-'));
}

} // namespace

bool keyAccepted(KeyFilter filter, int qtKey, const QString &text) {
    if (filter == KeyFilter::None)
        return true;
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
    // Ctrl+A selects all and Ctrl+C copies: they type nothing, so a number
    // box takes them as any other box does.
    if (text.isEmpty() || text == QChar(0x01) || text == QChar(0x03))
        return true;
    return text.size() == 1 && takes(filter, text[0]);
}

QString acceptedTextPattern(KeyFilter filter) {
    switch (filter) {
    case KeyFilter::None:
        return {};
    case KeyFilter::Digits:
        return QStringLiteral("[0-9]*");
    case KeyFilter::CertifiedHours:
        return QStringLiteral("[0-9.:\\-]*");
    }
    return {};
}
