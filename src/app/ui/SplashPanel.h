#pragma once

#include <QWidget>

// The splash of the first two seconds: the product image and its date label.
class SplashPanel : public QWidget {
    Q_OBJECT
public:
    explicit SplashPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
