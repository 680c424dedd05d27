#pragma once

#include <QStringList>

class QFrame;
class QToolBar;
class QWidget;

// The parts every settings-and-data screen shares: the two-button toolbar
// (close, open the operating guide) and the guide panel beside the screen.
namespace guidepanel {

// Toolbar1: action 0 closes the screen, action 1 widens it to the guide.
QToolBar *makeToolbar(QWidget *parent);

// A panel of headed paragraphs with the button Command1 "閉じる" at its foot.
// A text starting with "◆" is a heading.
QFrame *make(QWidget *parent, const QStringList &texts);

} // namespace guidepanel
