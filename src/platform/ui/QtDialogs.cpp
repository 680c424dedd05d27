#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTextBoundaryFinder>

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

enum class Kind { Space, Close, Open, Hiragana, Katakana, Kanji, Other };

Kind kindOf(QChar c) {
    const char16_t u = c.unicode();
    if (c.isSpace())
        return Kind::Space;
    if (QStringView(u"。、，．・：；！？」』）】〕〉》”’,.;:!?)]}").contains(c))
        return Kind::Close;
    if (QStringView(u"「『（【〔〈《“‘([{").contains(c))
        return Kind::Open;
    if (u >= 0x3041 && u <= 0x309F)
        return Kind::Hiragana;
    if ((u >= 0x30A0 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9F))
        return Kind::Katakana;
    if ((u >= 0x4E00 && u <= 0x9FFF) || u == 0x3005)
        return Kind::Kanji;
    return Kind::Other;
}

// Where a line may end before position i: a line-break opportunity of the
// toolkit (which keeps "。" off the start of a line) that is also a word's
// edge: after punctuation or a blank, before an opening bracket, or where a
// word in kanji, katakana or Latin letters follows kana ("データを|削除").
// Never inside "バックアップ", "ください" or "復元".
QList<int> breaksOf(const QString &text) {
    QList<int> out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    for (int i = finder.toNextBoundary(); i > 0 && i < text.size(); i = finder.toNextBoundary()) {
        const Kind before = kindOf(text[i - 1]);
        const Kind after = kindOf(text[i]);
        const bool edge =
            before == Kind::Space || before == Kind::Close || after == Kind::Open ||
            (before == Kind::Hiragana &&
             (after == Kind::Kanji || after == Kind::Katakana || after == Kind::Other));
        if (edge)
            out.append(i);
    }
    out.append(static_cast<int>(text.size()));
    return out;
}

// A piece wider than the line itself is cut between any two characters.
QStringList cutAnywhere(const QString &piece, const QFontMetrics &metrics, int width) {
    QStringList lines;
    QString line;
    for (const QChar c : piece) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + c) > width) {
            lines.append(line);
            line.clear();
        }
        line += c;
    }
    lines.append(line);
    return lines;
}

} // namespace

QString QtDialogs::wrapToWidth(const QString &text, const QFont &font, int width) {
    const QFontMetrics metrics(font);
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        int from = 0;
        for (const int to : breaksOf(paragraph)) {
            const QString piece = paragraph.mid(from, to - from);
            from = to;
            if (metrics.horizontalAdvance(line + piece) <= width) {
                line += piece;
                continue;
            }
            // The blank a line is broken at goes; the text keeps every other.
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            if (!line.isEmpty())
                lines.append(line);
            QStringList cut = cutAnywhere(piece, metrics, width);
            line = cut.takeLast();
            lines.append(cut);
        }
        lines.append(line);
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
    // The box's own limit, past which it would break the lines anywhere itself.
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : frameWidth;
    const int ownLimit = screenWidth <= 1024 ? screenWidth : qMin(screenWidth - 480, 1000);
    const int limit = qMin(frameWidth, ownLimit) - kInset;
    const auto widest = [&] {
        int w = 0;
        for (const QString &line : label->text().split(QLatin1Char('\n')))
            w = qMax(w, metrics.horizontalAdvance(line));
        return w;
    };
    for (int tries = 0; tries < 4; ++tries) {
        box.layout()->activate();
        const int over = box.layout()->totalMinimumSize().width() - limit;
        if (over <= 0 || widest() - over < kNarrowest)
            break;
        box.setText(wrapToWidth(text, label->font(), widest() - over));
    }
    // The box wraps a label wider than half the screen again, anywhere: the
    // lines broken here keep their width.
    label->setMinimumWidth(widest() + 2);
}

void QtDialogs::fitHeight(QMessageBox &box) {
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (!label || !grid || !screen)
        return;
    grid->activate();
    // Two thirds of the screen: a box that still looks like one, its
    // buttons well in view.
    const int limit = screen->availableGeometry().height() * 2 / 3;
    const int height = grid->totalMinimumSize().height();
    const int index = grid->indexOf(label);
    if (height <= limit || index < 0)
        return;
    // A long list scrolls inside the box; the buttons stay on the screen.
    int row = 0, column = 0, rows = 1, columns = 1;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    grid->removeWidget(label);
    auto *area = new QScrollArea(&box);
    area->setObjectName(QStringLiteral("messageScroll"));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    const int labelHeight = label->sizeHint().height();
    area->setWidget(label);
    area->setMinimumWidth(label->minimumWidth() +
                          area->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * area->frameWidth() + 4);
    area->setFixedHeight(qMax(120, limit - (height - labelHeight)));
    grid->addWidget(area, row, column, rows, columns);
}

BoxAnswer QtDialogs::message(const QString &text, const QString &title, BoxIcon icon,
                             BoxButtons buttons) {
    return run(text, title, icon, buttons, QString(), QString());
}

BoxAnswer QtDialogs::choose(const QString &text, const QString &title, BoxIcon icon,
                            const QString &yesCaption, const QString &noCaption) {
    return run(text, title, icon, BoxButtons::YesNoCancel, yesCaption, noCaption);
}

BoxAnswer QtDialogs::run(const QString &text, const QString &title, BoxIcon icon,
                         BoxButtons buttons, const QString &yesCaption, const QString &noCaption) {
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
        yes = box.addButton(yesCaption.isEmpty() ? QStringLiteral("はい(&Y)") : yesCaption,
                            QMessageBox::YesRole);
        no = box.addButton(noCaption.isEmpty() ? QStringLiteral("いいえ(&N)") : noCaption,
                           QMessageBox::NoRole);
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
    // Never wider than the main frame: a long text is broken into lines that
    // fit; never taller than the screen: a long list scrolls.
    if (const QWidget *frame = m_fallback ? m_fallback.data() : parent.data())
        fitWidth(box, shown, frame->window()->width());
    fitHeight(box);
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
