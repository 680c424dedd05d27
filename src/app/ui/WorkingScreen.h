#pragma once

#include "data/ScreenHost.h"
#include "data/Services.h"

#include <QWidget>

// What a screen widget is built with.
struct ScreenContext {
    Services &services;
    ScreenHost &host;
};

// Base of every working screen widget: F1 opens the usage guide from any of
// its controls, closeScreen() closes the child window that hosts it, and the
// size is given in the twips of the screen's design (15 twips a pixel).
class WorkingScreen : public QWidget {
    Q_OBJECT
public:
    explicit WorkingScreen(ScreenContext &ctx, QWidget *parent = nullptr);

    static int twipsToPixels(int twips) { return twips / 15; }
    // Sets the screen's fixed size and asks the main frame to fit around it.
    void setTwipsSize(int widthTwips, int heightTwips);

    // Closes the hosting child window; the screen's closeEvent runs as on any close.
    void closeScreen();

Q_SIGNALS:
    void sizeChanged();

protected:
    ScreenContext &m_ctx;
};
