#pragma once

#include <QFrame>

class QPushButton;
class QScrollBar;
class QLabel;

// Picture3: the operating guide of the punch-clock screen, beside it while the
// screen is widened.
class RecorderGuide : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 300;

    RecorderGuide(int height, QWidget *parent);
    QPushButton *closeTop() const { return m_closeTop; }
    QPushButton *closeBottom() const { return m_closeBottom; }

    static QString guideText();

private:
    QScrollBar *m_scroll;
    QLabel *m_text;
    QPushButton *m_closeTop;
    QPushButton *m_closeBottom;
};
