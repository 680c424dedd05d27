#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

class QBoxLayout;
class QToolBar;
class QWidget;
class WorkingScreen;

// Toolbar1 of a screen, and the layout of a screen under it.
namespace screentoolbar {

struct Button {
    QIcon icon;
    QString text; // shown beside or under the icon; empty for an icon alone
    QString tip;
};

// The two buttons most screens end with: close the screen, open the guide.
Button closeButton();
Button guideButton();

struct Look {
    Qt::ToolButtonStyle style = Qt::ToolButtonTextUnderIcon;
    QSize iconSize{24, 24};
};

// Toolbar1 with the buttons in order; action n (from 1) is named Toolbar1_<n>.
QToolBar *make(QWidget *parent, const QList<Button> &buttons, const Look &look = {});

// The close-and-guide toolbar of a screen: "閉じる" closes the screen,
// "ガイド" opens its guide panel (WorkingScreen::showGuide).
QToolBar *closeAndGuide(WorkingScreen *screen, const Look &look = {});

// Lays a screen out: the close-and-guide toolbar on top, the body under it
// taking the rest of the screen. Returns the toolbar.
QToolBar *layOut(WorkingScreen *screen, QBoxLayout *body, const Look &look = {});

} // namespace screentoolbar
