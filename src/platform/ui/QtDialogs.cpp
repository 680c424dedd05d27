#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::None:
        return QMessageBox::NoIcon;
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Critical:
        return QMessageBox::Critical;
    case BoxIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

BoxAnswer QtDialogs::message(const QString &text, const QString &title, BoxIcon icon,
                             BoxButtons buttons) {
    QPointer<QWidget> parent = QApplication::activeWindow();
    if (!parent)
        parent = m_fallback;

    // Texts break their lines with CR, CR LF or LF alike.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconOf(icon), title, shown, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    QPushButton *yes = nullptr;
    QPushButton *no = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    if (buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel) {
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        if (buttons == BoxButtons::YesNoCancel) {
            // Esc goes back rather than choosing either way.
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
        }
    } else {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        if (buttons == BoxButtons::OkCancel) {
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
        } else {
            box.setEscapeButton(ok);
        }
    }
    box.exec();

    // The window's own focus widget gets the focus back with the activation.
    if (parent)
        parent->activateWindow();
    QAbstractButton *clicked = box.clickedButton();
    if (buttons == BoxButtons::YesNo)
        return clicked == yes ? BoxAnswer::Yes : BoxAnswer::No;
    if (buttons == BoxButtons::YesNoCancel)
        return clicked == yes ? BoxAnswer::Yes : clicked == no ? BoxAnswer::No : BoxAnswer::Cancel;
    if (buttons == BoxButtons::OkCancel)
        return clicked == ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
    return BoxAnswer::Ok;
}
