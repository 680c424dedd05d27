#include "tally/TallyCards.h"
#include "tally/TallyEngine.h"

#include <gtest/gtest.h>

using namespace tallytest;

namespace {

struct Cell {
    int row;
    int field;
    const char *text;
};

CardTable certified(std::initializer_list<Cell> cells) {
    CardTable t = card();
    for (const Cell &c : cells)
        t.at(c.row, c.field) = QString::fromUtf8(c.text);
    return t;
}

} // namespace

TEST(Keisan, ColumnTotals) {
    struct Case {
        const char *name;
        std::initializer_list<Cell> cells;
        const char *total; // of 法定内
    };
    const Case cases[] = {
        {"two 1:30 and a 0:45",
         {{0, CardField::CertWithin, "1:30"},
          {5, CardField::CertWithin, "1:30"},
          {9, CardField::CertWithin, "0:45"}},
         "3:45"},
        {"all empty", {}, ""},
        {"minutes carry",
         {{0, CardField::CertWithin, "0:50"},
          {1, CardField::CertWithin, "0:50"},
          {2, CardField::CertWithin, "0:50"}},
         "2:30"},
        {"carry to a whole hour",
         {{0, CardField::CertWithin, "10:59"}, {30, CardField::CertWithin, "0:01"}},
         "11:00"},
        {"large hours",
         {{0, CardField::CertWithin, "150:00"}, {1, CardField::CertWithin, "20:30"}},
         "170:30"},
        {"minutes above 59 typed", {{0, CardField::CertWithin, "1:75"}}, "2:15"},
        {"zero values",
         {{0, CardField::CertWithin, "0:00"}, {1, CardField::CertWithin, "0:00"}},
         ""},
        {"a negative value takes off",
         {{0, CardField::CertWithin, "2:00"}, {1, CardField::CertWithin, "-1:30"}},
         "0:30"},
        {"negative total", {{0, CardField::CertWithin, "-1:30"}}, "-1:30"},
        {"minus zero hours",
         {{0, CardField::CertWithin, "1:00"}, {1, CardField::CertWithin, "-0:15"}},
         "0:45"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CardTable t = certified(c.cells);
        const tally::KeisanResult r = tally::keisan(t);
        EXPECT_FALSE(r.stopped);
        EXPECT_EQ(t.at(CardTable::kTotalsRow, CardField::CertWithin), QString::fromUtf8(c.total));
    }
}

TEST(Keisan, EachColumnApart) {
    CardTable t = certified({{0, CardField::CertWithin, "1:00"},
                             {0, CardField::CertBeyond, "2:00"},
                             {1, CardField::CertHoliday, "3:15"},
                             {2, CardField::CertLateNight, "0:30"},
                             {3, CardField::CertLateEarly, "0:10"},
                             {4, CardField::CertLateEarly, "0:55"}});
    EXPECT_FALSE(tally::keisan(t).stopped);
    const int totals = CardTable::kTotalsRow;
    EXPECT_EQ(t.at(totals, CardField::CertWithin), "1:00");
    EXPECT_EQ(t.at(totals, CardField::CertBeyond), "2:00");
    EXPECT_EQ(t.at(totals, CardField::CertHoliday), "3:15");
    EXPECT_EQ(t.at(totals, CardField::CertLateNight), "0:30");
    EXPECT_EQ(t.at(totals, CardField::CertLateEarly), "1:05");
}

TEST(Keisan, BareNumberStopsEveryTotal) {
    CardTable t = certified({{0, CardField::CertWithin, "1:00"},
                             {3, CardField::CertHoliday, "2:00"},
                             {5, CardField::CertBeyond, "45"},
                             {7, CardField::CertWithin, "x"}});
    const int totals = CardTable::kTotalsRow;
    for (int f = CardField::CertWithin; f <= CardField::CertLateEarly; ++f)
        t.at(totals, f) = "9:99"; // the totals shown before
    const tally::KeisanResult r = tally::keisan(t);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.row, 5);
    EXPECT_EQ(r.field, static_cast<int>(CardField::CertBeyond));
    for (int f = CardField::CertWithin; f <= CardField::CertLateEarly; ++f)
        EXPECT_EQ(t.at(totals, f), "9:99");

    // Corrected, the totals follow again.
    t.at(5, CardField::CertBeyond) = "0:45";
    t.at(7, CardField::CertWithin) = "";
    EXPECT_FALSE(tally::keisan(t).stopped);
    EXPECT_EQ(t.at(totals, CardField::CertWithin), "1:00");
    EXPECT_EQ(t.at(totals, CardField::CertBeyond), "0:45");
    EXPECT_EQ(t.at(totals, CardField::CertHoliday), "2:00");
    EXPECT_EQ(t.at(totals, CardField::CertLateNight), "");
}

TEST(Keisan, OnlyCertifiedTotalsChange) {
    CardTable t = certified({{0, CardField::CertWithin, "1:00"}, {0, CardField::Work, "8:00"}});
    t.at(CardTable::kTotalsRow, CardField::Work) = "8:00";
    t.at(CardTable::kTotalsRow, CardField::DaysWorked) = "1";
    const CardTable before = t;
    tally::keisan(t);
    for (int r = 0; r < CardTable::kRows; ++r)
        for (int f = 0; f < CardTable::kFields; ++f)
            if (r != CardTable::kTotalsRow || f < CardField::CertWithin ||
                f > CardField::CertLateEarly) {
                EXPECT_EQ(t.at(r, f), before.at(r, f)) << r << "/" << f;
            }
}
