#include "tally/CertifiedMarks.h"
#include "tally/CertifiedGrid.h"
#include "tally/StoredReview.h"
#include "tally/TallyCards.h"
#include "tally/TallyEngine.h"

#include <gtest/gtest.h>

TEST(CertifiedMarks, ValuesNoOneWouldPayAreMarkedOnTheScreenAndNamed) {
    struct Cell {
        int row, field;
        const char *value;
    };
    const struct {
        const char *name;
        QList<Cell> cells;                 // day 1 (row 0) is punched, day 2 (row 1) is not
        QList<std::pair<int, int>> marked; // row, field; row 31 is the totals row
        QString note;
    } cases[] = {
        {"plain values", {{0, 9, "1:30"}, {0, 12, "0:10"}}, {}, ""},
        {"minutes of 60 or more",
         {{0, 9, "99:99"}},
         {{0, 9}},
         "確かめてほしい認定時間（1件）：1日の法定外「99:99」（分が60以上）"},
        {"a negative total",
         {{0, 12, "0:10"}, {2, 12, "-0:30"}},
         {{31, 12}},
         "確かめてほしい認定時間（1件）：遅刻早退の合計「-0:20」（マイナス）"},
        {"overtime and holiday hours on a day without punches",
         {{1, 9, "60:00"}, {1, 10, "30:00"}, {1, 12, "8:00"}},
         {{1, 9}, {1, 10}},
         "確かめてほしい認定時間（2件）：2日の法定外「60:00」（打刻のない日）、"
         "2日の休日「30:00」（打刻のない日）"},
        {"a bare number is marked as such, not here", {{1, 9, "45"}}, {}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CardTable t = tallytest::card();
        tallytest::punch(t, 0, "9:00", "", "", "18:00");
        tallytest::punch(t, 2, "9:00", "", "", "18:00");
        for (const Cell &cell : c.cells)
            t.at(cell.row, cell.field) = cell.value;
        tally::jidousyuukei(t, {});
        tally::keisan(t);

        QList<std::pair<int, int>> found;
        for (const certifiedmarks::Mark &m : certifiedmarks::of(t))
            found.append({m.row, m.field});
        EXPECT_EQ(found, c.marked);

        // The screen: the cell, or the total, and the line under the totals.
        CertifiedGrid grid(t);
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < CertifiedGrid::kColumns; ++k)
                EXPECT_EQ(grid.line(r).doubtful[k],
                          c.marked.contains({r, CardField::CertWithin + k}))
                    << r << " " << k;
        // A total is marked below zero, or when it sums minutes of 60 or more.
        for (int k = 0; k < CertifiedGrid::kColumns; ++k)
            EXPECT_EQ(grid.totals().doubtful[k],
                      c.marked.contains({CardTable::kTotalsRow, CardField::CertWithin + k}) ||
                          (c.marked.contains({0, CardField::CertWithin + k}) &&
                           QString(c.name).startsWith("minutes")));
        EXPECT_EQ(grid.totals().doubtfulNote, c.note);

        // The print and export notices.
        t.at(CardTable::kTotalsRow, CardField::DaysWorked) = "2";
        EXPECT_EQ(storedreview::review(t, {}).notes.contains(c.note), !c.note.isEmpty());
    }
}
