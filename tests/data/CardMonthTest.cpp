#include "data/CardMonth.h"
#include "data/PayPeriodKind.h"

#include <gtest/gtest.h>

namespace {

CalcSettings yearStyle(const char *style) {
    CalcSettings s;
    s[CalcSettings::YearStyle] = QString::fromUtf8(style);
    return s;
}

} // namespace

TEST(CardMonth, FolderNamesBuiltAndRead) {
    struct Case {
        const char *name;
        bool parses;
        int year, month;
        qint64 key;
    };
    const Case cases[] = {
        {"2007年3月", true, 2007, 3, 200703},
        {"2007年12月", true, 2007, 12, 200712},
        {"19年3月", true, 19, 3, 1903},
        // A listed name is taken as it stands: blanks make no card month.
        {" 2007年3月", false, 0, 0, 0},
        {"2007年3月 ", false, 0, 0, 0},
        {"2007年13月", true, 2007, 13, 200713}, // month 13 can be prepared
        {"2009年05月", true, 2009, 5, 200905},  // typed on the additional punch panel
        {"2007年3月分", false, 0, 0, 0},
        {"2007年123月", false, 0, 0, 0},
        {"年3月", false, 0, 0, 0},
        {"メモ月", false, 0, 0, 0},
        {"２００７年３月", false, 0, 0, 0},
        {"-5年3月", false, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        const std::optional<CardMonth> m = CardMonth::parse(name);
        ASSERT_EQ(m.has_value(), c.parses);
        if (m) {
            EXPECT_EQ(*m, CardMonth(c.year, c.month));
        }
        EXPECT_EQ(CardMonth::key(name), c.key);
    }
    EXPECT_EQ(CardMonth(2007, 3).folderName(), "2007年3月");
    EXPECT_EQ(CardMonth::folderName("2009", "05"), "2009年05月");
    EXPECT_EQ(CardMonth::yearTextOf("2009年5月"), "2009");
    EXPECT_EQ(CardMonth::yearTextOf("メモ"), "メモ");
}

TEST(CardMonth, YearStyle) {
    EXPECT_EQ(CardMonth::inYearStyle(2007, 3, yearStyle("wareki")).folderName(), "19年3月");
    EXPECT_EQ(CardMonth::inYearStyle(2007, 3, yearStyle("seireki")).folderName(), "2007年3月");
    EXPECT_EQ(CardMonth::inYearStyle(2007, 3, yearStyle("")).folderName(), "2007年3月");
}

TEST(CardMonth, CalendarMonthOfAFolderWhateverTheYearStyleIsNow) {
    struct Case {
        const char *name;
        int year, month; // 0: none
    };
    const Case cases[] = {
        {"2007年3月", 2007, 3},     {"19年3月", 2007, 3},   {"1年5月", 1989, 5},
        {"999年1月", 2987, 1},      {"1000年1月", 1000, 1}, {"2009年05月", 2009, 5},
        {"99999年12月", 99999, 12}, {"100000年1月", 0, 0},  {"0年3月", 0, 0},
        {"2007年13月", 0, 0},       {"2007年0月", 0, 0},    {"月報", 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<daterules::YearMonth> m = CardMonth::calendarMonth(c.name);
        ASSERT_EQ(m.has_value(), c.year != 0);
        if (m) {
            EXPECT_EQ(*m, daterules::YearMonth({c.year, c.month}));
        }
    }
}

TEST(CardMonth, RowDatesFollowThePayPeriodWhereTheCardAgrees) {
    // April of a 20th closing, as preparation lays it out: 21 March to 20 April.
    CardTable card;
    for (int r = 0; r < 31; ++r)
        card.at(r, CardField::Day) = QString::number(QDate(2007, 3, 21).addDays(r).day());
    struct Case {
        const char *folder, *period;
        int row;
        QDate date;
    };
    const Case cases[] = {
        {"2007年4月", "20sime", 0, QDate(2007, 3, 21)},
        {"19年4月", "20sime", 11, QDate(2007, 4, 1)}, // an era year
        {"2007年4月", "20sime", 30, QDate(2007, 4, 20)},
        {"2007年4月", "getumatusime", 0, QDate()}, // laid out under other settings
        {"0年4月", "20sime", 0, QDate()},          // no calendar month, never 1988
        {"月報", "20sime", 0, QDate()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.folder);
        CalcSettings s;
        s[CalcSettings::PeriodKind] = c.period;
        const CardMonth m = CardMonth::parse(c.folder).value_or(CardMonth());
        EXPECT_EQ(m.rowDates(card, s)[static_cast<size_t>(c.row)], c.date);
    }
}

TEST(CardMonth, ListOrders) {
    // A name with a blank is no card month: it goes with the others.
    const QStringList listed = {"メモ月",     "2024年4月", "2024年12月", "2025年1月",
                                "2024年4月 ", "月報.txt",  "19年3月"};
    struct Case {
        const char *name;
        CardMonth::Order order;
        CardMonth::Others others;
        QStringList expected;
    };
    const Case cases[] = {
        {"newest first",
         CardMonth::Order::NewestFirst,
         CardMonth::Others::Last,
         {"2025年1月", "2024年12月", "2024年4月", "19年3月", "メモ月", "2024年4月 ", "月報.txt"}},
        {"oldest first",
         CardMonth::Order::OldestFirst,
         CardMonth::Others::Last,
         {"19年3月", "2024年4月", "2024年12月", "2025年1月", "メモ月", "2024年4月 ", "月報.txt"}},
        {"oldest first, others first",
         CardMonth::Order::OldestFirst,
         CardMonth::Others::First,
         {"メモ月", "2024年4月 ", "月報.txt", "19年3月", "2024年4月", "2024年12月", "2025年1月"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CardMonth::sorted(listed, c.order, c.others), c.expected);
    }
}

TEST(CardMonth, EmployeeOrderByNumberValueThenText) {
    QStringList codes = {"10", "2", "abc", "1", "105", "01", "", "3a", "0", "12345", "1234"};
    CardMonth::sortCodes(codes);
    EXPECT_EQ(codes,
              QStringList({"01", "1", "2", "3a", "10", "105", "1234", "12345", "", "0", "abc"}));
}

TEST(PayPeriodKind, ReadFromTheSettings) {
    struct Case {
        const char *kind, *attribution;
        PayPeriodKind expected;
    };
    const Case cases[] = {
        {"", "", PayPeriodKind::Unregistered},
        {"", "tougetu", PayPeriodKind::Unregistered},
        {"getumatusime", "", PayPeriodKind::MonthEnd},
        {"20sime", "yokugetu", PayPeriodKind::Twentieth},
        {"sonota", "tougetu", PayPeriodKind::OtherSameMonth},
        {"sonota", "yokugetu", PayPeriodKind::OtherNextMonth},
        {"sonota", "", PayPeriodKind::OtherUnattributed},
        {"Sonota", "", PayPeriodKind::Unknown},
    };
    for (const Case &c : cases) {
        CalcSettings s;
        s[CalcSettings::PeriodKind] = QString::fromUtf8(c.kind);
        s[CalcSettings::MonthAttribution] = QString::fromUtf8(c.attribution);
        EXPECT_EQ(payPeriodKind(s), c.expected) << c.kind << "/" << c.attribution;
    }
}
