#pragma once

#include <QStringList>
#include <functional>

class QBoxLayout;
class QFrame;
class WorkingScreen;
class QToolBar;
class QWidget;

// The parts every settings-and-data screen shares: the two-button toolbar
// (close, open the operating guide) and the guide panel beside the screen.
namespace guidepanel {

// Toolbar1: action 0 closes the screen, action 1 widens it to the guide.
QToolBar *makeToolbar(QWidget *parent);

// Lays out a screen: the toolbar on top (close closes the screen, the guide
// button calls openGuide), the body under it. Returns the toolbar.
QToolBar *layOut(WorkingScreen *screen, QBoxLayout *body, std::function<void()> openGuide);

// A panel of headed paragraphs with the button Command1 "閉じる" at its foot.
// A text starting with "◆" is a heading.
QFrame *make(QWidget *parent, const QStringList &texts);

} // namespace guidepanel
