#pragma once

#include <QColor>
#include <QFrame>
#include <functional>

class QPushButton;
class QScrollBar;

// Picture3 of the punch-clock and tally screens: the operating guide with its
// title and a "閉じる" at the top, its text scrolled by VScroll2 (the text's
// top edge at 430 - value twips) and a second "閉じる" at the foot. Either
// button calls the close action; the wheel anywhere over the panel scrolls
// the text.
class ScrolledGuide : public QFrame {
    Q_OBJECT
public:
    struct Look {
        int width = 300;
        QColor background;
        QFrame::Shape frame = QFrame::StyledPanel;
        int titlePixels = 13;
        // The objectNames of the two "閉じる", at the top and at the foot.
        QString topName;
        QString footName;
    };

    ScrolledGuide(const Look &look, int height, std::function<void()> close, QWidget *parent);

    // Where the text is made: its width is the text's width.
    QWidget *viewport() const { return m_viewport; }
    // The text, made in viewport(): the scroll bar reaches its foot.
    void setText(QWidget *text);
    QScrollBar *scrollBar() const { return m_scroll; }
    // Back to the first line.
    void reset();

protected:
    void wheelEvent(QWheelEvent *e) override;

private:
    QWidget *m_viewport = nullptr;
    QWidget *m_text = nullptr;
    QScrollBar *m_scroll = nullptr;
};
