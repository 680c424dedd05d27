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
    // A file written by hand with anything but the stored word is off.
    t.put(icoptions::kFile, records::format({"SURU", "1"}));
    ASSERT_TRUE(s.open());
    EXPECT_EQ(s.icOptions(), IcOptions{});
}
