#include "access/Henkan.h"

#include <gtest/gtest.h>

#include <QSet>

using pinscramble::henkan;
using pinscramble::kOrder;
using pinscramble::kPinLength;
using pinscramble::kRows;

TEST(Henkan, EveryPinPositionFeedsExactlyOneLetterAndNotInPlainOrder) {
    QSet<int> used;
    bool identity = true;
    for (int i = 0; i < kPinLength; ++i) {
        ASSERT_GE(kOrder[i], 0);
        ASSERT_LT(kOrder[i], kPinLength);
        used.insert(kOrder[i]);
        identity = identity && kOrder[i] == i;
    }
    EXPECT_EQ(used.size(), kPinLength);
    EXPECT_FALSE(identity);
}

TEST(Henkan, EveryRowHoldsTenDistinctUppercaseLetters) {
    for (const auto &row : kRows) {
        QSet<char> letters;
        for (char c : row) {
            EXPECT_TRUE(c >= 'A' && c <= 'Z') << c;
            letters.insert(c);
        }
        EXPECT_EQ(letters.size(), 10);
    }
}

// Changing one digit of the PIN changes exactly one output letter, and which
// letter that is follows the position order, not the plain order.
TEST(Henkan, OneDigitChangedGivesAnotherOutputInOneLetter) {
    const QStringList bases{"000000", "123456", "999999", "908172", "555555"};
    for (const QString &base : bases) {
        const QString out = henkan(base);
        for (int pos = 0; pos < kPinLength; ++pos) {
            for (char d = '0'; d <= '9'; ++d) {
                QString pin = base;
                if (pin[pos] == QLatin1Char(d))
                    continue;
                pin[pos] = QLatin1Char(d);
                const QString changed = henkan(pin);
                ASSERT_NE(changed, out) << pin.toStdString();
                int differing = 0, where = -1;
                for (int i = 0; i < kPinLength; ++i) {
                    if (changed[i] != out[i]) {
                        ++differing;
                        where = i;
                    }
                }
                EXPECT_EQ(differing, 1) << pin.toStdString();
                EXPECT_EQ(kOrder[where], pos) << pin.toStdString();
            }
        }
    }
}

TEST(Henkan, OutputIsSixUppercaseLettersAndNeverThePinItself) {
    for (const QString pin : {"000000", "123456", "482913", "ABCDEF", "", "1"}) {
        const QString out = henkan(pin);
        ASSERT_EQ(out.size(), kPinLength);
        for (QChar c : out)
            EXPECT_TRUE(c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        EXPECT_NE(out, pin);
    }
}

// Stored PINs are found again only while the table stays as it is: these
// values pin it down.
TEST(Henkan, KnownValuesStayTheSame) {
    EXPECT_EQ(henkan("000000"), "KXPMJW");
    EXPECT_EQ(henkan("123456"), "ABWCUA");
}

TEST(Henkan, NonDigitsAndMissingPositionsCountAsZero) {
    struct Case {
        const char *pin;
        const char *same;
    };
    const Case cases[] = {
        {"12a456", "120456"},
        {"ABCDEF", "000000"},
        {"12 4-6", "120406"},
        {"123", "123000"},
        {"", "000000"},
        {"1234567", "123456"},
        {"\xEF\xBC\x91"
         "23456",
         "023456"}, // a full-width 1 is not a digit 0-9
    };
    for (const Case &c : cases)
        EXPECT_EQ(henkan(QString::fromUtf8(c.pin)), henkan(c.same)) << c.pin;
}
