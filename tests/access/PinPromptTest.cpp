#include "access/PinPrompt.h"
#include "access/Henkan.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

using pinscramble::henkan;
using Result = PinPrompt::Result;

namespace {
class PinPromptTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.storedPin = henkan("123456");
        t.session.pinRequester = "syuukei";
    }
    TestServices t;
};
} // namespace

TEST_F(PinPromptTest, EntriesThatDoNotMatchKeepThePromptOpen) {
    struct Case {
        QString entry;
        QString message;
    };
    const Case cases[] = {
        {"", "暗証番号が未入力です。"},
        {"12345", "暗証番号は６桁で入力してください。"},
        {"1", "暗証番号は６桁で入力してください。"},
        {"654321", "登録されている番号と一致しません。"},
        {"123457", "登録されている番号と一致しません。"},
        // Counted as 0 a letter would make "12a456" the PIN "120456".
        {"12a456", "暗証番号は６桁の数字で入力してください。"},
    };
    t.session.storedPin = henkan("120456");
    for (const Case &c : cases) {
        t.dialogs.clear();
        PinPrompt prompt(t.services);
        EXPECT_EQ(prompt.ok(c.entry), Result::Stay) << c.entry.toStdString();
        ASSERT_EQ(t.dialogs.boxes().size(), 1);
        EXPECT_EQ(t.dialogs.boxes().front().text, c.message);
        EXPECT_EQ(t.dialogs.boxes().front().title, "お知らせ");
    }
}

TEST_F(PinPromptTest, RightPinOpensEachKnownFunction) {
    for (const QString word : {"recorder", "syuukei", "seiri"}) {
        t.session.pinRequester = word;
        PinPrompt prompt(t.services);
        EXPECT_EQ(prompt.ok("123456"), Result::Match) << word.toStdString();
    }
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(PinPromptTest, RightPinForAnUnknownRequesterOpensNothing) {
    for (const QString word : {"", "meibo", "pw"}) {
        t.session.pinRequester = word;
        EXPECT_EQ(PinPrompt(t.services).ok("123456"), Result::NothingToOpen);
    }
}

TEST_F(PinPromptTest, TriesAreNotLimited) {
    PinPrompt prompt(t.services);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(prompt.ok("000000"), Result::Stay);
    EXPECT_EQ(prompt.ok("123456"), Result::Match);
}

TEST_F(PinPromptTest, WithoutAStoredPinNothingMatches) {
    t.session.storedPin.clear();
    PinPrompt prompt(t.services);
    for (const QString entry : {"000000", "123456", "999999"})
        EXPECT_EQ(prompt.ok(entry), Result::Stay);
}

TEST_F(PinPromptTest, ComparesWithTheSessionAndWritesNothing) {
    t.settings.values["Kelvane/Trdw/Psno"] = henkan("999999");
    PinPrompt prompt(t.services);
    EXPECT_EQ(prompt.ok("999999"), Result::Stay);
    EXPECT_EQ(prompt.ok("123456"), Result::Match);
    EXPECT_EQ(t.settings.values.value("Kelvane/Trdw/Psno"), henkan("999999"));
    EXPECT_EQ(t.session.storedPin, henkan("123456"));
}
