#include "screen/KeyBurst.h"
#include "screen/ReaderStatus.h"

#include <gtest/gtest.h>

namespace {

// Types text, one key every gap ms from start, then Enter after enterGap ms
// (none when enterGap < 0); a pause is looked at before each key as the
// screen's timer would. What came out as a card and as a person's keys.
KeyBurst::Result type(KeyBurst &b, const QString &text, qint64 gap, qint64 enterGap,
                      qint64 start = 1000) {
    KeyBurst::Result all;
    auto take = [&](const KeyBurst::Result &r) {
        all.card += r.card;
        all.person += r.person;
    };
    qint64 t = start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0)
            t += gap;
        take(b.key(text[i], t));
    }
    if (enterGap >= 0)
        take(b.enter(t + enterGap));
    else
        take(b.pause(t + 1000));
    return all;
}

} // namespace

TEST(KeyBurst, AReaderIsToldFromAPersonByThePaceOfTheKeys) {
    struct Case {
        const char *name;
        const char *text;
        qint64 gap;      // between keys
        qint64 enterGap; // last key to Enter; < 0: no Enter
        const char *card;
        const char *person;
    };
    const Case cases[] = {
        {"125 kHz fob, 10 digits", "0012345678", 8, 8, "0012345678", ""},
        {"MIFARE UID in lower-case hex", "04a1b2c3", 12, 10, "04A1B2C3", ""},
        {"FeliCa IDm, 16 hex digits", "0123456789ABCDEF", 5, 5, "0123456789ABCDEF", ""},
        {"at the limit of the pace", "123456", 50, 50, "123456", ""},
        {"a fast person", "123456", 90, 120, "", "123456"},
        {"Enter after a pause", "12345678", 10, 300, "", "12345678"},
        {"too short for a card", "12345", 5, 5, "", "12345"},
        {"longer than any ID", "0123456789ABCDEF0123456789ABCDEF0", 5, 5, "",
         "0123456789ABCDEF0123456789ABCDEF0"},
        {"a kind key alone", "4", 0, -1, "", "4"},
        {"a person's key and Enter", "2", 0, 400, "", "2"},
    };
    for (const Case &c : cases) {
        KeyBurst b;
        const KeyBurst::Result r = type(b, QString::fromLatin1(c.text), c.gap, c.enterGap);
        EXPECT_EQ(r.card, QString::fromLatin1(c.card)) << c.name;
        EXPECT_EQ(r.person, QString::fromLatin1(c.person)) << c.name;
        EXPECT_FALSE(b.holding()) << c.name;
    }
}

TEST(KeyBurst, APersonsKeyBeforeAReadersBurstStaysThePersons) {
    KeyBurst b;
    EXPECT_TRUE(b.key(QLatin1Char('3'), 0).person.isEmpty());
    // The reader starts 400 ms later: the 3 was the person's.
    EXPECT_EQ(b.key(QLatin1Char('0'), 400).person, "3");
    qint64 t = 400;
    for (const char c : {'4', 'A', '1', 'B', '2', 'C'})
        EXPECT_TRUE(b.key(QLatin1Char(c), t += 6).person.isEmpty());
    // An arrow key in the middle: no card, and the keys were no one's card.
    EXPECT_EQ(b.interrupt().person, "04A1B2C");
    EXPECT_FALSE(b.holding());
}

TEST(ReaderStatus, TellsWhatCameAndWent) {
    struct Step {
        QStringList names;
        const char *text;
        bool lost;
    };
    const QString a = "ACS ACR122U 00 00";
    const QString b = "SONY RC-S300 01 00";
    const Step steps[] = {
        {{}, "", false}, // never a reader: quiet
        {{a}, "ICカードリーダー：ACS ACR122U 00 00", false},
        {{a, b}, "ICカードリーダー：ACS ACR122U 00 00、SONY RC-S300 01 00", false},
        {{b}, "ICカードリーダー：SONY RC-S300 01 00（ACS ACR122U 00 00 が外れています）", false},
        {{},
         "ICカードリーダーが外れています。差し込み直してください（ACS ACR122U 00 00、"
         "SONY RC-S300 01 00）。",
         true},
        // Plugged in again under another port's name: nothing missed any more.
        {{"ACS ACR122U 01 00"}, "ICカードリーダー：ACS ACR122U 01 00", false},
    };
    ReaderStatus s;
    for (const Step &step : steps) {
        s.update(step.names);
        EXPECT_EQ(s.text(), QString::fromUtf8(step.text));
        EXPECT_EQ(s.lost(), step.lost) << step.text;
    }
}
