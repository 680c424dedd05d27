#pragma once

#include "app/ui/ScreenRegistry.h"
#include "app/ui/frmmain.h"
#include "support/TestServices.h"

#include <QStringList>
#include <memory>

// A stand-in working screen: records its closing and returns to the punch
// clock as every real screen does.
class FakeScreen : public WorkingScreen {
    Q_OBJECT
public:
    FakeScreen(ScreenContext &ctx, QString word, QStringList &log);
    // Refuses to close, as the punch clock does when its set card is kept.
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString m_word;
    QStringList &m_log;
};

// The main frame over a temporary data folder, a fixed clock, scripted dialogs
// and an in-memory settings store, with stand-in screens for every word.
struct MainFrameFixture {
    explicit MainFrameFixture(const QStringList &words = defaultWords());
    ~MainFrameFixture();

    static QStringList defaultWords();
    // start() and then timer ticks of 500 ms until the splash ends (at most n).
    void startAndPassSplash(int maxTicks = 8);
    void tick(int n = 1);
    void trigger(const QString &item);

    TestServices t;
    ScreenRegistry registry;
    QStringList log; // "open:<word>", "close:<word>"
    bool pinAnswer = false;
    int pinPrompts = 0;
    std::unique_ptr<frmmain> frame;
};
