#pragma once

#include <QStringList>

class QFrame;
class QWidget;

// The operating guide panel beside a screen.
namespace guidepanel {

// A panel of headed paragraphs with the button Command1 at its foot, captioned
// "閉じる" unless the screen gives its own caption. A text starting with "◆"
// is a heading; a panel without headings shows its text as it stands, with no
// title, for the small windows.
QFrame *make(QWidget *parent, const QStringList &texts, const QString &closeCaption = {});

} // namespace guidepanel
