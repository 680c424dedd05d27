#include "access/PinSetupScreen.h"
#include "access/Henkan.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

using pinscramble::henkan;

namespace {
const QString kStoreKey = "Kelvane/Trdw/Psno";
const QString kNotEntered = "暗証番号が未入力です。";
const QString kLength = "暗証番号は６桁で入力してください。";
const QString kDigits = "暗証番号は６桁の数字で入力してください。";

class PinSetupScreenTest : public ::testing::Test {
protected:
    void registered(const QString &pin) {
        t.settings.values[kStoreKey] = henkan(pin);
        t.session.storedPin = henkan(pin);
    }
    QString stored() const { return t.settings.values.value(kStoreKey); }
    // Every box of this screen is a notice: no icon, OK, "お知らせ".
    void expectOneNotice(const QString &text) const {
        ASSERT_EQ(t.dialogs.boxes().size(), 1) << t.dialogs.texts().join('|').toStdString();
        const auto &box = t.dialogs.boxes().front();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, "お知らせ");
        EXPECT_EQ(box.icon, BoxIcon::None);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
    }
    TestServices t;
};
} // namespace

TEST_F(PinSetupScreenTest, WithoutPinOnlyTheNewSectionIsOpen) {
    PinSetupScreen screen(t.services);
    EXPECT_TRUE(screen.newSectionEnabled());
    EXPECT_FALSE(screen.changeSectionEnabled());
}

TEST_F(PinSetupScreenTest, WithPinOnlyTheChangeSectionIsOpen) {
    registered("123456");
    PinSetupScreen screen(t.services);
    EXPECT_FALSE(screen.newSectionEnabled());
    EXPECT_TRUE(screen.changeSectionEnabled());
}

TEST_F(PinSetupScreenTest, RegisterStoresOnlyTheScrambledPin) {
    PinSetupScreen screen(t.services);
    EXPECT_TRUE(screen.registerPin("482913", "482913"));
    expectOneNotice("登録完了です。");
    EXPECT_EQ(stored(), henkan("482913"));
    EXPECT_NE(stored(), "482913");
    EXPECT_EQ(t.session.storedPin, henkan("482913"));
    // The sections stay as they were until the screen opens again.
    EXPECT_TRUE(screen.newSectionEnabled());
    EXPECT_FALSE(PinSetupScreen(t.services).newSectionEnabled());
}

TEST_F(PinSetupScreenTest, RegisterRefusesWhatIsNotSixDigits) {
    struct Case {
        QString pin;
        QString message;
    };
    const Case cases[] = {
        {"", kNotEntered},   {"1", kLength},      {"12345", kLength},        {"1234567", kLength},
        {"12a456", kDigits}, {"      ", kDigits}, {"１２３４５６", kDigits},
    };
    for (const Case &c : cases) {
        t.dialogs.clear();
        PinSetupScreen screen(t.services);
        EXPECT_FALSE(screen.registerPin(c.pin, c.pin)) << c.pin.toStdString();
        expectOneNotice(c.message);
        EXPECT_TRUE(t.settings.values.isEmpty());
        EXPECT_TRUE(t.session.storedPin.isEmpty());
    }
}

TEST_F(PinSetupScreenTest, FailedStoreIsNotReportedAsRegistered) {
    t.settings.failWrites = true;
    PinSetupScreen screen(t.services);
    EXPECT_FALSE(screen.registerPin("482913", "482913"));
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_FALSE(t.dialogs.texts().contains("登録完了です。"));
    EXPECT_TRUE(t.dialogs.boxes().front().text.contains("保存できませんでした"));
    EXPECT_EQ(t.dialogs.boxes().front().title, "エラー");
    EXPECT_TRUE(t.session.storedPin.isEmpty());
}

TEST_F(PinSetupScreenTest, ChangeWithTheRightCurrentPin) {
    registered("123456");
    PinSetupScreen screen(t.services);
    EXPECT_TRUE(screen.changePin("123456", "654321", "654321"));
    expectOneNotice("変更しました。");
    EXPECT_EQ(stored(), henkan("654321"));
    EXPECT_EQ(t.session.storedPin, henkan("654321"));

    // The old PIN no longer counts as the current one; the new one does.
    t.dialogs.clear();
    EXPECT_FALSE(screen.changePin("123456", "111111", "111111"));
    expectOneNotice("現在の暗証番号が一致しません。");
    t.dialogs.clear();
    EXPECT_TRUE(screen.changePin("654321", "111111", "111111"));
    EXPECT_EQ(stored(), henkan("111111"));
}

// One box for the first fault found, in the order: current empty, new empty,
// either of the wrong length, either not digits, current not matching.
TEST_F(PinSetupScreenTest, ChangeRefusalsLeaveTheStoredPinAlone) {
    struct Case {
        QString current;
        QString next;
        QString message;
    };
    const Case cases[] = {
        {"", "", "現在の暗証番号が未入力です。"},
        {"", "654321", "現在の暗証番号が未入力です。"},
        {"123", "", "新しい暗証番号が未入力です。"},
        {"123456", "", "新しい暗証番号が未入力です。"},
        {"12345", "654321", kLength},
        {"123456", "65432", kLength},
        {"12a456", "65432", kLength},
        {"12a456", "654321", kDigits},
        {"123456", "65x321", kDigits},
        {"999999", "654321", "現在の暗証番号が一致しません。"},
        {"120456", "654321", "現在の暗証番号が一致しません。"},
    };
    registered("123456");
    for (const Case &c : cases) {
        t.dialogs.clear();
        PinSetupScreen screen(t.services);
        EXPECT_FALSE(screen.changePin(c.current, c.next, c.next))
            << c.current.toStdString() << "/" << c.next.toStdString();
        expectOneNotice(c.message);
        EXPECT_EQ(stored(), henkan("123456"));
        EXPECT_EQ(t.session.storedPin, henkan("123456"));
    }
}

// The current PIN is checked against the settings store, not the value read
// at start-up.
TEST_F(PinSetupScreenTest, ChangeComparesWithTheStoredValue) {
    registered("123456");
    t.settings.values[kStoreKey] = henkan("777777");
    PinSetupScreen screen(t.services);
    EXPECT_FALSE(screen.changePin("123456", "654321", "654321"));
    expectOneNotice("現在の暗証番号が一致しません。");
    t.dialogs.clear();
    EXPECT_TRUE(screen.changePin("777777", "654321", "654321"));
}

TEST_F(PinSetupScreenTest, FailedStoreIsNotReportedAsChanged) {
    registered("123456");
    t.settings.failWrites = true;
    PinSetupScreen screen(t.services);
    EXPECT_FALSE(screen.changePin("123456", "654321", "654321"));
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_FALSE(t.dialogs.texts().contains("変更しました。"));
    EXPECT_EQ(t.dialogs.boxes().front().title, "エラー");
    EXPECT_EQ(stored(), henkan("123456"));
    EXPECT_EQ(t.session.storedPin, henkan("123456"));
}

// A new PIN is stored only when typed the same twice; one typed once may not
// be the one meant (a key missed, a box that cut a seventh digit).
TEST_F(PinSetupScreenTest, ANewPinIsStoredOnlyWhenTypedTheSameTwice) {
    const QString again = "確認のため、同じ暗証番号をもう一度入力してください。";
    const QString differ = "確認のために入力した暗証番号が一致しません。もう一度入力してください。";
    const struct {
        const char *pin, *again;
        QString message; // empty: stored
    } cases[] = {
        {"246813", "", again},
        {"246813", "122468", differ},
        {"246813", "24681", differ},
        {"246813", "246813", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.again);
        // A first registration, and a change of a registered PIN.
        for (const bool change : {false, true}) {
            t.settings.values.clear();
            t.session.storedPin.clear();
            if (change)
                registered("123456");
            t.dialogs.clear();
            PinSetupScreen screen(t.services);
            const bool stored = change ? screen.changePin("123456", c.pin, c.again)
                                       : screen.registerPin(c.pin, c.again);
            EXPECT_EQ(stored, c.message.isEmpty());
            if (!c.message.isEmpty()) {
                expectOneNotice(c.message);
                EXPECT_EQ(this->stored(), change ? henkan("123456") : QString());
            } else {
                EXPECT_EQ(this->stored(), henkan("246813"));
            }
        }
    }
}
