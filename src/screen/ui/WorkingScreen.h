#pragma once

#include "screen/ScreenHost.h"
#include "screen/Services.h"

#include <QWidget>

class EntryQueue;

// What a screen widget is built with.
struct ScreenContext {
    Services &services;
    ScreenHost &host;
};

// Base of every working screen widget. It owns the opening and closing of a
// screen, so that a screen only says what it loads and what it saves:
//
//  - a screen builds its widgets, then calls open() at the end of its
//    constructor; open() runs load() once;
//  - on any close (its toolbar, the close box, the main frame closing) the
//    checks of a box just left run first; then mayClose() may keep the
//    screen open; then, once only, unless loading failed or the program is
//    ending: save(), and after a successful save closed(), which by default
//    shows the punch-clock screen again.
//
// F1 opens the usage guide from any of its controls, closeScreen() closes the
// child window that hosts it, and sizes are given in the twips of the screen's
// design (15 twips a pixel).
class WorkingScreen : public QWidget {
    Q_OBJECT
public:
    explicit WorkingScreen(ScreenContext &ctx, QWidget *parent = nullptr);

    static int twipsToPixels(int twips) { return twips / 15; }
    // Sets the screen's fixed size and asks the main frame to fit around it.
    void setTwipsSize(int widthTwips, int heightTwips);
    // A screen that gives the main frame a size of its own (outer size, in
    // twips) and its own place inside it; the frame still grows to hold it.
    void setFrameTwips(const QSize &frame, const QPoint &place);
    QSize frameTwips() const { return m_frameTwips; }
    QPoint placeTwips() const { return m_placeTwips; }

    // A screen of fixed size asks for that size: the child window that hosts
    // it sizes itself by the hint, which the lists and trees inside would
    // otherwise make larger than the screen.
    QSize sizeHint() const override;

    // Closes the hosting child window; the close protocol runs as on any close.
    void closeScreen();

    // The entered() and left() notices of the screen's entry boxes, its
    // panels' and its dialogs': an action first delivers those still waiting.
    EntryQueue &entries() const { return *m_entries; }

    // The guide panel beside the screen (see setGuide): shows or hides it,
    // and gives the screen its size for either.
    void showGuide(bool shown);
    bool guideOpen() const;

    // The load step succeeded (false after a fatal file error ended the program).
    bool opened() const { return m_opened; }
    // The screen has begun closing: nothing it still hears may change its data.
    bool isClosing() const { return m_closing; }

Q_SIGNALS:
    void sizeChanged();

protected:
    // Runs load(); call it once, at the end of the screen's constructor.
    void open();
    // Asked first on every close: false keeps the screen open (a close of the
    // main frame, or the end of the program, then stops too).
    virtual bool mayClose() { return true; }
    // What the screen reads when it opens. False when a fatal file error
    // ended the program: the screen then saves nothing.
    virtual bool load() { return true; }
    // What the screen writes when it closes, after taking over what a box
    // that still has the focus holds. False when the write failed and the
    // program ended.
    virtual bool save() { return true; }
    // After the save: the punch-clock screen comes back in front.
    virtual void closed();

    // The screen's guide panel, and the screen's size in twips without it
    // and with it. Call showGuide(false) once the screen is built.
    void setGuide(QWidget *panel, const QSize &narrowTwips, const QSize &wideTwips);
    // Told as the guide opens or closes, before the screen takes its size.
    virtual void guideShowing(bool /*shown*/) {}

    void closeEvent(QCloseEvent *event) override;

    ScreenContext &m_ctx;

private:
    EntryQueue *m_entries;
    bool m_opened = false;
    bool m_closing = false;
    QSize m_frameTwips;
    QPoint m_placeTwips;
    QWidget *m_guide = nullptr;
    QSize m_narrowTwips;
    QSize m_wideTwips;
};
