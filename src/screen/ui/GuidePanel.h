#pragma once

#include <QStringList>
#include <functional>

class QFrame;
class QWidget;

// The operating guide panel beside a screen.
namespace guidepanel {

// The button at the panel's foot.
struct CloseButton {
    QString caption = QStringLiteral("閉じる");
    QString objectName = QStringLiteral("Command1");
};

// A panel of headed paragraphs with a button at its foot that calls close.
// A text starting with "◆" is a heading; a panel without headings shows its
// text as it stands, with no title, for the small windows.
QFrame *make(QWidget *parent, const QStringList &texts, std::function<void()> close,
             const CloseButton &button = {});

} // namespace guidepanel
