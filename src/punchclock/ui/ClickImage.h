#pragma once

#include <QLabel>
#include <QMouseEvent>

// An image that acts on a click, as the punch kind buttons do.
class ClickImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override {
        if (e->button() == Qt::LeftButton)
            Q_EMIT clicked();
    }
};
