#include "data/IcOptions.h"
#include "data/RecordFile.h"
#include "data/SettingsScreen.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

TEST(IcOptions, OffUntilSetOnTheSettingsScreenAndKeptBesideKijyun) {
    TestServices t;
    {
        SettingsScreen s(t.services);
        ASSERT_TRUE(s.open());
        EXPECT_EQ(s.icOptions(), IcOptions{});
        EXPECT_FALSE(s.clickChoiceEnabled());
        ASSERT_TRUE(s.close());
        // Nothing changed: no file of its own appears.
        EXPECT_FALSE(t.fs.exists(icoptions::kFile));
    }
    {
        SettingsScreen s(t.services);
        ASSERT_TRUE(s.open());
        s.setPunchByCard(true);
        EXPECT_TRUE(s.clickChoiceEnabled());
        s.setClickNeedsPin(true);
        EXPECT_TRUE(s.pinMissingShown()); // no PIN registered yet
        t.session.storedPin = "ABCDEF";
        EXPECT_FALSE(s.pinMissingShown());
        ASSERT_TRUE(s.close());
    }
    EXPECT_EQ(t.bytes(icoptions::kFile), records::format({"suru", "suru"}));
    EXPECT_EQ(records::parse(t.bytes(kSettingsFile)).size(), CalcSettings::kCount);
    SettingsScreen s(t.services);
    ASSERT_TRUE(s.open());
    EXPECT_EQ(s.icOptions(), (IcOptions{true, true}));
}

TEST(IcOptions, TheRackClickIsGuardedOnlyWithBothOptionsAndAPin) {
    struct Case {
        bool punch, click;
        const char *pin;
        bool guarded;
    };
    const Case cases[] = {
        {true, true, "ABCDEF", true},   {true, true, "", false},   {true, false, "ABCDEF", false},
        {false, true, "ABCDEF", false}, {false, false, "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ((IcOptions{c.punch, c.click}).clickGuarded(QString::fromLatin1(c.pin)), c.guarded)
            << c.punch << c.click << c.pin;
    // Anything but the stored word is off.
    EXPECT_EQ(IcOptions::fromList({"SURU", "1"}), IcOptions{});
}
