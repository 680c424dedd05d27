#include "data/ChangeWatch.h"
#include "support/Fakes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ChangeWatch, LooksEveryTwoSecondsOrAtOnceAfterAnEvent) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    FixedClock clock;
    ChangeWatch watch(fs, clock);
    struct Step {
        int advanceMs;
        bool events;
        bool nudge;
        bool due;
    };
    const Step steps[] = {
        {0, false, false, true},      // the first look
        {500, false, false, false},   // a tick later
        {1500, false, false, true},   // two seconds on
        {2000, true, false, false},   // events: the poll is only a safety net
        {0, true, true, true},        // an event
        {29000, true, false, false},  //
        {1000, true, false, true},    // thirty seconds on
        {-60000, false, false, true}, // a clock set back looks at once
    };
    int i = 0;
    for (const Step &s : steps) {
        SCOPED_TRACE(i++);
        clock.set(clock.now().addMSecs(s.advanceMs));
        watch.setEvents(s.events);
        if (s.nudge)
            watch.nudge();
        EXPECT_EQ(watch.due(), s.due);
    }
}

TEST(ChangeWatch, AFileSavedAnewIsAChange) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    FixedClock clock;
    ChangeWatch watch(fs, clock);
    ASSERT_TRUE(isSaved(fs.replaceFile("a.Card", "1")));
    EXPECT_FALSE(watch.changed("a.Card")); // the first look takes the stamp
    EXPECT_FALSE(watch.changed("a.Card"));
    // The same bytes saved again are another file in place.
    ASSERT_TRUE(isSaved(fs.replaceFile("a.Card", "1")));
    EXPECT_TRUE(watch.changed("a.Card"));
    EXPECT_FALSE(watch.changed("a.Card"));
    ASSERT_EQ(fs.removeFile("a.Card"), FileError::None);
    EXPECT_TRUE(watch.changed("a.Card"));
}
