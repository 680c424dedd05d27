#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>

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

// The narrowest a text is broken to, and the frame's edge a box keeps off.
constexpr int kNarrowest = 160;
constexpr int kInset = 40;

} // namespace

QString QtDialogs::wrapToWidth(const QString &text, const QFont &font, int width) {
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        // Japanese breaks between any two characters; the line-breaking rules
        // keep "。" and "、" off the start of a line.
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        bool any = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            // The blank a line is broken at goes; the text keeps every other.
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (line.textStart() + line.textLength() < paragraph.size() &&
                   part.endsWith(QLatin1Char(' ')))
                part.chop(1);
            lines.append(part);
            any = true;
        }
        layout.endLayout();
        if (!any)
            lines.append(QString());
    }
    return lines.join(QLatin1Char('\n'));
}

void QtDialogs::fitWidth(QMessageBox &box, const QString &text, int frameWidth) {
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.layout())
        return;
    // The box takes the width its lines need (it measures them unwrapped).
    label->setWordWrap(false);
    const QFontMetrics metrics(label->font());
    for (int tries = 0; tries < 4; ++tries) {
        box.layout()->activate();
        const int over = box.layout()->totalMinimumSize().width() - (frameWidth - kInset);
        if (over <= 0)
            return;
        int widest = 0;
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            widest = qMax(widest, metrics.horizontalAdvance(line));
        if (widest - over < kNarrowest)
            return;
        box.setText(wrapToWidth(text, label->font(), widest - over));
    }
}

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
    // Never wider than the main frame: a long text is broken into lines that fit.
    if (const QWidget *frame = m_fallback ? m_fallback.data() : parent.data())
        fitWidth(box, shown, frame->window()->width());
    box.exec();

    // The window's own focus widget gets the focus back with the activation.
    if (parent)
        parent->activateWindow();
    QAbstractButton *clicked = box.clickedButton();
    switch (buttons) {
    case BoxButtons::YesNo:
        return clicked == yes ? BoxAnswer::Yes : BoxAnswer::No;
    case BoxButtons::YesNoCancel:
        return clicked == yes ? BoxAnswer::Yes : clicked == no ? BoxAnswer::No : BoxAnswer::Cancel;
    case BoxButtons::OkCancel:
        return clicked == ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
    case BoxButtons::Ok:
        break;
    }
    return BoxAnswer::Ok;
}
