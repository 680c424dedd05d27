#include "screen/ui/WorkingScreen.h"
#include "screen/ui/EntryBox.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A screen that only counts its saves.
class ProbeScreen : public WorkingScreen {
public:
    ProbeScreen(ScreenContext &ctx, bool loads, bool saves)
        : WorkingScreen(ctx), m_loads(loads), m_saves(saves) {
        open();
    }
    int saveCount = 0;

protected:
    bool load() override { return m_loads; }
    bool save() override {
        ++saveCount;
        return m_saves;
    }

private:
    bool m_loads, m_saves;
};

} // namespace

TEST(WorkingScreenProtocol, SavesOnceThenShowsThePunchClock) {
    struct Case {
        const char *name;
        bool loads, endsBeforeClose, saves;
        int saveCount, punchClockShown;
    };
    const Case cases[] = {
        {"an ordinary close", true, false, true, 1, 1},
        {"loading ended the program", false, false, true, 0, 0},
        {"the program is ending", true, true, true, 0, 0},
        {"the save ended the program", true, false, false, 1, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        RecordingHost host;
        ScreenContext ctx{t.services, host};
        ProbeScreen screen(ctx, c.loads, c.saves);
        EXPECT_EQ(screen.opened(), c.loads);
        if (c.endsBeforeClose)
            t.programEnd.endProgram();
        screen.show();
        screen.close();
        screen.show();
        screen.close(); // a second close (the frame closing too) changes nothing
        EXPECT_EQ(screen.saveCount, c.saveCount);
        EXPECT_EQ(host.punchClockShown, c.punchClockShown);
    }
}

TEST(WorkingScreenProtocol, TheScreenHoldsTheNoticesOfItsBoxesPanelsAndDialogs) {
    TestServices t;
    RecordingHost host;
    ScreenContext ctx{t.services, host};
    ProbeScreen screen(ctx, true, true);
    auto *panel = new QWidget(&screen);
    EntryBox *a = EntryBox::create(panel, QStringLiteral("a"));
    auto *dialog = new QDialog(&screen);
    EntryBox *b = EntryBox::create(dialog, QStringLiteral("b"));
    for (EntryBox *box : {a, b})
        EXPECT_EQ(&EntryQueue::of(box->widget()), &screen.entries());
    // A box outside any screen is held by its own window.
    QWidget elsewhere;
    EntryBox *c = EntryBox::create(&elsewhere, QStringLiteral("c"));
    EXPECT_NE(&EntryQueue::of(c->widget()), &screen.entries());
    EXPECT_EQ(&EntryQueue::of(c->widget()), &EntryQueue::of(&elsewhere));

    // The screen's flush delivers a box's leaving before the next action.
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    int left = 0;
    QObject::connect(a, &EntryBox::left, [&] { ++left; });
    a->widget()->setFocus();
    QTest::qWait(1);
    a->widget()->clearFocus();
    EXPECT_EQ(left, 0);
    screen.entries().flush();
    EXPECT_EQ(left, 1);
}
