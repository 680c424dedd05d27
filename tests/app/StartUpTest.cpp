#include "app/StartUp.h"
#include "app/DisplayStyle.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {
const OsVersion kXp{5, 1, true};
const OsVersion kOld{5, 0, true};
const OsVersion kVista{6, 0, true};
} // namespace

TEST(StartUp, NoDataFilesGivesDefaultsAndWritesNothing) {
    TestServices t;
    StartUp s(t.services);
    s.run(kXp);
    EXPECT_EQ(t.session.osKind, "XP");
    EXPECT_EQ(t.session.displayStyle, QStringList({"xp", ""}));
    EXPECT_TRUE(t.session.storedPin.isEmpty());
    EXPECT_FALSE(s.resumeTallyAtStart());
    EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Replace), 0);
}

TEST(StartUp, DisplayStyleFileVariantsNeverRewrite) {
    struct Case {
        const char *name;
        QByteArray bytes;
        OsVersion os;
        QStringList style;
    };
    const Case cases[] = {
        {"classic", "\"sonota\"\r\n\"\"\r\n", kXp, {"sonota", ""}},
        {"second kept", "\"xp\"\r\n\"abc\"\r\n", kXp, {"xp", "abc"}},
        {"empty file", "", kXp, {"xp", ""}},
        {"short", "\"sonota\"\r\n", kXp, {"sonota", ""}},
        {"over-long", "\"xp\"\r\n\"\"\r\n\"x\"\r\n\"y\"\r\n", kXp, {"xp", ""}},
        {"undecodable", "\"\xff\xfe\"\r\n", kXp, {"sonota", ""}},
        {"old windows forces classic", "\"xp\"\r\n\"\"\r\n", kOld, {"sonota", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        t.put("XP.Dat", c.bytes);
        StartUp(t.services).run(c.os);
        EXPECT_EQ(t.session.displayStyle, c.style);
        EXPECT_EQ(t.bytes("XP.Dat"), c.bytes);
    }
}

TEST(StartUp, PinAndSuspendFlagsAreRead) {
    TestServices t;
    t.settings.setValue("Kelvane", "Trdw", "Psno", "QWERTY");
    t.put("Cyuudanumu.Dat", "\"a\"\r\n\"b\"\r\n\"soku\"\r\n\"d\"\r\n");
    StartUp s(t.services);
    s.run(kXp);
    EXPECT_EQ(t.session.storedPin, "QWERTY");
    EXPECT_EQ(t.session.suspendFlags, QStringList({"a", "b", "soku", "d"}));
    EXPECT_TRUE(s.resumeTallyAtStart());

    TestServices shortFile;
    shortFile.put("Cyuudanumu.Dat", "\"a\"\r\n");
    StartUp s2(shortFile.services);
    s2.run(kXp);
    EXPECT_FALSE(s2.resumeTallyAtStart());
}

TEST(StartUp, SplashEndsTwoSecondsLater) {
    struct Case {
        const char *name;
        int startSecond;
        std::vector<int> tickSeconds;
        int endsOnTick; // 1-based; 0 = not within the ticks
    };
    const Case cases[] = {
        {"ordinary", 10, {10, 11, 11, 12}, 4},
        {"across a minute (d = -58)", 59, {59, 0, 0, 1}, 4},
        {"late tick skips the mark", 10, {10, 11, 13}, 3},
        {"stalled clock ends at the sixth tick", 30, {30, 30, 30, 30, 30, 30}, 6},
        {"not yet", 58, {58, 59, 59}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        t.clock.set(2007, 3, 1, 9, 0, c.startSecond);
        StartUp s(t.services);
        s.run(kXp);
        int ended = 0;
        for (size_t i = 0; i < c.tickSeconds.size() && !ended; ++i) {
            t.clock.set(2007, 3, 1, 9, 1, c.tickSeconds[i]);
            if (s.tick())
                ended = int(i) + 1;
        }
        EXPECT_EQ(ended, c.endsOnTick);
    }
}

TEST(StartUp, SplashTickDoesNothingOnceAScreenIsOpen) {
    TestServices t;
    StartUp s(t.services);
    s.run(kXp);
    t.session.screenWord = "syuukei";
    t.clock.advanceSeconds(5);
    EXPECT_FALSE(s.tick());
}

TEST(StartUp, SmallDisplayNotice) {
    TestServices t;
    StartUp s(t.services);
    s.run(kVista);
    EXPECT_TRUE(s.smallDisplayNoticeDue({800, 600}));
    EXPECT_FALSE(s.smallDisplayNoticeDue({1024, 768}));
    t.session.displayStyle[0] = "sonota";
    EXPECT_FALSE(s.smallDisplayNoticeDue({800, 600}));
    TestServices xp;
    StartUp s2(xp.services);
    s2.run(kXp);
    EXPECT_FALSE(s2.smallDisplayNoticeDue({800, 600}));
}

TEST(DisplayStyle, CheckBoxAndFile) {
    {
        TestServices t; // first visit creates the file with the values in memory
        StartUp(t.services).run(kXp);
        DisplayStyle d(t.services);
        EXPECT_TRUE(d.checkEnabled());
        EXPECT_FALSE(d.checked());
        EXPECT_TRUE(d.close());
        EXPECT_EQ(t.bytes("XP.Dat"), "\"xp\"\r\n\"\"\r\n");
    }
    {
        TestServices t; // checking sets "sonota" at once; the second value passes through
        t.put("XP.Dat", "\"xp\"\r\n\"keep\"\r\n");
        StartUp(t.services).run(kXp);
        DisplayStyle d(t.services);
        d.setChecked(true);
        EXPECT_EQ(t.session.displayStyle[0], "sonota");
        EXPECT_TRUE(t.session.classicStyle());
        EXPECT_TRUE(d.close());
        EXPECT_EQ(t.bytes("XP.Dat"), "\"sonota\"\r\n\"keep\"\r\n");
    }
    {
        TestServices t; // old windows: disabled and ticked
        StartUp(t.services).run(kOld);
        DisplayStyle d(t.services);
        EXPECT_FALSE(d.checkEnabled());
        EXPECT_TRUE(d.checked());
        d.setChecked(false);
        EXPECT_TRUE(d.close());
        EXPECT_EQ(t.bytes("XP.Dat"), "\"sonota\"\r\n\"\"\r\n");
    }
    {
        TestServices t; // a failed write is reported
        StartUp(t.services).run(kXp);
        t.fs.failOn(FaultyFileSystem::Op::Replace, 1, FileError::DiskFull);
        EXPECT_FALSE(DisplayStyle(t.services).close());
    }
}
