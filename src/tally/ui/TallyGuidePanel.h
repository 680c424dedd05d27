#pragma once

#include <QFrame>

class QPushButton;
class QScrollBar;
class QTextEdit;

// The operating guide of the tally screen, over its right side: the topics
// of the screen, scrolled by VScroll2, with two "閉じる" buttons (Command1 at
// the top, Command2 at the foot).
class TallyGuidePanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;

    TallyGuidePanel(int height, QWidget *parent);

    QPushButton *closeTop() const { return m_closeTop; }
    QPushButton *closeBottom() const { return m_closeBottom; }
    QScrollBar *scrollBar() const { return m_scroll; }
    // Back to the first line.
    void reset();

    // The text blocks, one line a string; a block starts with "■".
    static QStringList lines();

protected:
    void wheelEvent(QWheelEvent *e) override;

private:
    QTextEdit *m_text = nullptr;
    QScrollBar *m_scroll = nullptr;
    QPushButton *m_closeTop = nullptr;
    QPushButton *m_closeBottom = nullptr;
};
