#include "PunchFixture.h"
#include "punchclock/RecorderScreen.h"

using P = PunchData::Person;

namespace {

const QString kMonth = QStringLiteral("2009年5月");
const QString kYamada = QStringLiteral("0123456789ABCDEF"); // a FeliCa IDm
const QString kSuzuki = QStringLiteral("04A1B2C3");         // a MIFARE UID

struct Touch : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};

    // Yamada (1) and Suzuki (2) with a card each for May 2009; cards punch
    // unless told otherwise.
    void start(int h, int mi, IcOptions options = {true, false}) {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}, {"2", "鈴木"}});
        CardTies ties;
        ties.tie(kYamada, "1");
        ties.tie(kSuzuki, "2");
        ties.tie("0A0A0A0A", "9"); // an employee without a card this month
        ASSERT_EQ(cardties::save(t.services, {}, ties).error, FileError::None);
        ASSERT_EQ(icoptions::save(t.fs, {}, options).error, FileError::None);
        t.clock.set(2009, 5, 10, h, mi);
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
    }
    void at(int h, int mi, int s = 0) {
        t.clock.set(2009, 5, 10, h, mi, s);
        screen.tick();
    }
    // Row 9 is 10 May.
    QString punched(const QString &code, int kind) {
        return PunchData::readCard(t, kMonth, code).at(9, fieldOfKind(kind));
    }
    QString notice() const { return screen.touch().notice().text; }
};

} // namespace

TEST_F(Touch, TheSecondTouchRecordsTheKindTheDayCallsForAndReturnsTheCard) {
    start(8, 58);
    screen.cardTouched(kYamada);
    ASSERT_TRUE(screen.panel().cardSet());
    EXPECT_EQ(screen.panel().nameLabel(), "山田");
    EXPECT_EQ(screen.rack().selected(), 0);
    EXPECT_EQ(screen.panel().timeLabel(0).text, "8:58");
    EXPECT_TRUE(screen.panel().timeLabel(0).pending());
    EXPECT_EQ(notice(), "もう一度タッチすると\n「出勤 8:58」を記録します。");

    at(8, 58, 5);
    screen.cardTouched(kYamada);
    EXPECT_FALSE(screen.panel().cardSet());
    EXPECT_EQ(punched("1", 0), "8:58");
    EXPECT_EQ(notice(), "山田さん\n出勤 8:58 を記録しました。");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    // The notice goes after a while; the next employee is not told the last one's.
    at(8, 59, 5);
    EXPECT_TRUE(notice().isEmpty());
}

TEST_F(Touch, TheKindOfferedFollowsTheDaysPunches) {
    struct Case {
        QStringList day; // 出勤, 休憩, 戻り, 退勤 already on the card
        int kind;        // offered, -1 for none
    };
    const Case cases[] = {
        {{"", "", "", ""}, 0},           {{"9:00", "", "", ""}, 3},
        {{"9:00", "12:00", "", ""}, 2},  {{"9:00", "12:00", "13:00", ""}, 3},
        {{"9:00", "", "", "18:00"}, -1}, {{"", "", "", "18:00"}, -1},
    };
    for (const Case &c : cases) {
        TestServices s;
        RecorderScreen r{s.services};
        PunchData::prepareMonth(s, 2009, 5, {{"1", "山田"}});
        CardTable card =
            PunchData::makeCard({"1", "山田"}, 2009, 5, PunchData::settingsOf("getumatusime"));
        for (int k = 0; k < kKinds; ++k)
            card.at(9, fieldOfKind(k)) = c.day[k];
        PunchData::writeCard(s, kMonth, card);
        CardTies ties;
        ties.tie(kYamada, "1");
        ASSERT_EQ(cardties::save(s.services, {}, ties).error, FileError::None);
        ASSERT_EQ(icoptions::save(s.fs, {}, {true, false}).error, FileError::None);
        s.clock.set(2009, 5, 10, 19, 0);
        ASSERT_TRUE(r.open());
        r.tick();
        r.activated();
        r.cardTouched(kYamada);
        ASSERT_TRUE(r.panel().cardSet()) << c.day.join(',').toStdString();
        EXPECT_EQ(r.panel().pendingKind(), c.kind) << c.day.join(',').toStdString();
    }
}

TEST_F(Touch, AKeyChoosesAnotherKindBeforeTheSecondTouch) {
    start(12, 0);
    ASSERT_TRUE(t.fs.exists(kMonth + "/1.Card"));
    screen.cardTouched(kYamada);
    screen.kindKey(1); // 休憩
    EXPECT_EQ(notice(), "もう一度タッチすると\n「休憩 12:00」を記録します。");
    at(12, 0, 4);
    screen.cardTouched(kYamada);
    EXPECT_EQ(punched("1", 1), "12:00");
    EXPECT_TRUE(punched("1", 0).isEmpty());
}

TEST_F(Touch, ACardLeftAloneReturnsItselfWithTheTimeItsTouchChose) {
    start(17, 30);
    screen.cardTouched(kSuzuki);
    at(17, 30, TouchPunch::kIdleSeconds - 1);
    EXPECT_TRUE(screen.panel().cardSet());
    screen.chooseKind(0); // a kind button is not leaving it alone: the wait starts again
    at(17, 30, 2 * TouchPunch::kIdleSeconds - 2);
    EXPECT_TRUE(screen.panel().cardSet());
    at(17, 30, 2 * TouchPunch::kIdleSeconds);
    EXPECT_FALSE(screen.panel().cardSet());
    EXPECT_EQ(punched("2", 0), "17:30");
    EXPECT_EQ(notice(), "鈴木さん\n出勤 17:30 を記録しました。\n"
                        "（自動で戻しました）");
    // Neither a question nor a card set by a click is ever returned by itself.
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    screen.rackClicked(0);
    at(18, 30);
    EXPECT_TRUE(screen.panel().cardSet());
}

TEST_F(Touch, CardsThatCannotPunchSayWhyAndSetNothing) {
    start(9, 0);
    struct Case {
        const char *name;
        QString id;
        const char *notice;
    };
    const Case cases[] = {
        {"no one's card", "FFFFFFFF",
         "このカードは登録されていません。\n"
         "管理者に登録を頼んでください。"},
        {"a card that did not answer", "",
         "カードを読み取れませんでした。\nもう一度タッチしてください。"},
        {"no card this month", "0A0A0A0A", "コード 9 のタイムカードは準備されていません。"},
    };
    for (const Case &c : cases) {
        at(9, 0, 2 * int(&c - cases)); // apart from the one before
        screen.cardTouched(c.id);
        EXPECT_FALSE(screen.panel().cardSet()) << c.name;
        EXPECT_EQ(notice(), QString::fromUtf8(c.notice)) << c.name;
        EXPECT_EQ(screen.touch().notice().level, TouchPunch::Level::Warning) << c.name;
    }
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(Touch, AnotherCardWhileOneIsSetSwitchesNothing) {
    start(9, 0);
    screen.cardTouched(kYamada);
    at(9, 0, 3);
    screen.cardTouched(kSuzuki);
    EXPECT_EQ(screen.panel().nameLabel(), "山田");
    EXPECT_EQ(notice(), "ほかの人のカードがセット中です。\n"
                        "戻ってからタッチしてください。");
    // A card set by a click is one's own too: the touch of its owner returns it.
    screen.returnCard();
    screen.rackClicked(1);
    at(9, 0, 6);
    screen.cardTouched(kSuzuki);
    EXPECT_FALSE(screen.panel().cardSet());
}

TEST_F(Touch, AReaderThatSeesOneTouchTwiceSetsAndReturnsNothingTwice) {
    start(9, 0);
    screen.cardTouched(kYamada);
    t.clock.set(t.clock.now().addMSecs(TouchPunch::kRepeatMs - 200));
    screen.cardTouched(kYamada);
    EXPECT_TRUE(screen.panel().cardSet());
    t.clock.set(t.clock.now().addMSecs(TouchPunch::kRepeatMs + 200));
    screen.cardTouched(kYamada);
    EXPECT_FALSE(screen.panel().cardSet());
}

TEST_F(Touch, WithTheOptionOffEverythingIsAsBefore) {
    start(9, 0, {false, true});
    t.session.storedPin = "ABCDEF";
    screen.cardTouched(kYamada);
    screen.readersChanged({"ACS ACR122U 00 00"});
    EXPECT_FALSE(screen.panel().cardSet());
    EXPECT_TRUE(notice().isEmpty());
    EXPECT_TRUE(screen.touch().statusText().isEmpty());
    EXPECT_FALSE(screen.rackClickNeedsPin());
    EXPECT_FALSE(screen.kindKeysActive());
}

TEST_F(Touch, OnlyTheAdministratorClicksWhereCardsAlonePunch) {
    start(9, 0, {true, true});
    EXPECT_FALSE(screen.rackClickNeedsPin()); // no PIN registered: clicks stay open
    t.session.storedPin = "ABCDEF";
    EXPECT_TRUE(screen.rackClickNeedsPin());
    screen.cardTouched(kYamada);
    EXPECT_FALSE(screen.rackClickNeedsPin()); // a set card: a click only says to return it
}
