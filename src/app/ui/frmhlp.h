#pragma once

#include <QWidget>

// The usage guide window, modeless; F1 on any working screen opens it.
class frmhlp : public QWidget {
    Q_OBJECT
public:
    explicit frmhlp(QWidget *parent = nullptr);
    // Shows it at its place (centred across, a third of the free height down)
    // and brings it to the front.
    void showPlaced();
};
