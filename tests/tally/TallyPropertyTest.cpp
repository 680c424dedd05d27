#include "tally/TallyCards.h"
#include "tally/TallyEngine.h"
#include "tally/TimeText.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

using namespace tallytest;

namespace {

const QRegularExpression kDuration(QStringLiteral("^(0|[1-9][0-9]*):[0-5][0-9]$"));

bool isDuration(const QString &text) {
    return text.isEmpty() || kDuration.match(text).hasMatch();
}

qint64 minutesOf(const QString &text) {
    return timetext::durationHours(text) * 60 + timetext::durationMinutes(text);
}

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }

    QString time() {
        const int h = pick(24), m = pick(60);
        QString hour = QString::number(h);
        if (h < 10 && chance(10))
            hour.prepend('0'); // corrected two-digit hour
        return hour + ':' + QString::number(m).rightJustified(2, '0');
    }

    QString punchText() {
        static const char *const garbage[] = {"25:99", "ab:cd", ":", "8:5",   "-1:00",
                                              "99:99", "1:2:3", "x", "24:00", "999"};
        if (chance(3))
            return QString::fromUtf8(garbage[pick(10)]);
        return time();
    }

    void day(CardTable &t, int row) {
        switch (pick(6)) {
        case 0: // not worked
            break;
        case 1: // no break
        case 2:
            punch(t, row, punchText(), "", "", punchText());
            break;
        case 3: // with a break
        case 4:
            punch(t, row, punchText(), punchText(), punchText(), punchText());
            break;
        default: // some punches missing
            punch(t, row, chance(50) ? punchText() : "", chance(50) ? punchText() : "",
                  chance(50) ? punchText() : "", chance(50) ? punchText() : "");
        }
    }

    CalcSettings settings() {
        static const char *const units[] = {"", "0", "5", "10", "15", "20", "30", "7"};
        static const char *const methods[] = {"", "切上げ", "切捨て", "切上げ切捨て", "xx"};
        CalcSettings s;
        for (int row : {4, 7, 10}) {
            s[row] = QString::fromUtf8(units[pick(8)]);
            s[row + 1] = QString::fromUtf8(units[pick(8)]);
            s[row + 2] = QString::fromUtf8(methods[pick(5)]);
        }
        return s;
    }

    QString payType() {
        static const char *const types[] = {"月給", "日給", "時給", "パート", ""};
        return QString::fromUtf8(types[pick(5)]);
    }

private:
    std::mt19937 m_rng;
};

} // namespace

TEST(TallyProperty, InvariantsOverGeneratedCards) {
    Generator g(20070301);
    for (int n = 0; n < 3000; ++n) {
        SCOPED_TRACE(n);
        CardTable t = card(g.payType());
        for (int r = 0; r < CardTable::kDayRows; ++r)
            g.day(t, r);
        const CalcSettings s = g.settings();
        const tally::TallyResult result = tally::jidousyuukei(t, s);

        int worked = 0;
        qint64 work = 0, late = 0, minuteSum = 0;
        for (int r = 0; r < CardTable::kDayRows; ++r) {
            const QString &w = t.at(r, CardField::Work), &l = t.at(r, CardField::LateNight);
            ASSERT_TRUE(isDuration(w)) << w.toStdString();
            ASSERT_TRUE(isDuration(l)) << l.toStdString();
            ASSERT_LE(minutesOf(l), minutesOf(w));
            worked += w.isEmpty() ? 0 : 1;
            work += minutesOf(w);
            late += minutesOf(l);
            minuteSum += timetext::durationMinutes(w);
        }
        const int totals = CardTable::kTotalsRow;
        ASSERT_EQ(result.daysWorked, worked);
        ASSERT_EQ(t.at(totals, CardField::DaysWorked), QString::number(worked));
        ASSERT_TRUE(isDuration(t.at(totals, CardField::Work)));
        ASSERT_EQ(t.at(totals, CardField::LateNight), timetext::durationText(late));
        ASSERT_LE(late, work);

        // The monthly rounding moves the minute sum by less than one unit in
        // the direction of its method, and only for the three pay types.
        const int row = CalcSettings::roundingRowOf(t.at(0, CardField::PayType));
        const qint64 unit = row < 0 ? 0 : timetext::numberValue(s[row + 1]);
        const QString method = row < 0 ? QString() : s[row + 2];
        const qint64 shift = minutesOf(t.at(totals, CardField::Work)) - work;
        if (unit <= 0 || minuteSum == 0 ||
            !QStringList{"切上げ", "切捨て", "切上げ切捨て"}.contains(method)) {
            ASSERT_EQ(shift, 0);
        } else if (method == "切捨て") {
            ASSERT_TRUE(shift <= 0 && -shift < unit) << shift;
            ASSERT_EQ((minuteSum + shift) % unit, 0);
        } else if (method == "切上げ") {
            ASSERT_TRUE(shift >= 0 && shift < unit) << shift;
            ASSERT_EQ((minuteSum + shift) % unit, 0);
        } else {
            ASSERT_TRUE(2 * shift <= unit && -2 * shift < unit) << shift;
            ASSERT_EQ((minuteSum + shift) % unit, 0);
        }
        ASSERT_EQ(result.monthlyWork, t.at(totals, CardField::Work));
        ASSERT_EQ(result.monthlyLateNight, t.at(totals, CardField::LateNight));
    }
}

// With unit 1 a day's time is the plain length of its segments, counted here
// minute by minute; an end before its start in the same hour counts nothing.
TEST(TallyProperty, UnitOneMatchesMinuteByMinuteCount) {
    const auto segment = [](int startHour, int startMinute, int endHour, int endMinute,
                            qint64 &work, qint64 &late) {
        const int start = startHour * 60 + startMinute;
        const int end = endHour * 60 + endMinute;
        if (startHour == endHour && end <= start)
            return;
        const int length = (end - start + 1440) % 1440;
        for (int k = 0; k < length; ++k) {
            const int hour = (start + k) / 60 % 24;
            ++work;
            if (hour >= 22 || hour <= 4)
                ++late;
        }
    };
    Generator g(1989);
    for (int n = 0; n < 3000; ++n) {
        int h[4], m[4];
        for (int k = 0; k < 4; ++k) {
            h[k] = g.pick(24);
            m[k] = g.pick(60);
        }
        const bool withBreak = g.chance(50);
        const auto text = [](int hh, int mm) {
            return QString::number(hh) + ':' + QString::number(mm).rightJustified(2, '0');
        };
        CardTable t = card("パート");
        qint64 work = 0, late = 0;
        if (withBreak) {
            punch(t, 0, text(h[0], m[0]), text(h[1], m[1]), text(h[2], m[2]), text(h[3], m[3]));
            segment(h[0], m[0], h[1], m[1], work, late);
            segment(h[2], m[2], h[3], m[3], work, late);
        } else {
            punch(t, 0, text(h[0], m[0]), "", "", text(h[3], m[3]));
            segment(h[0], m[0], h[3], m[3], work, late);
        }
        SCOPED_TRACE((t.at(0, CardField::ClockIn) + " " + t.at(0, CardField::BreakOut) + " " +
                      t.at(0, CardField::BreakReturn) + " " + t.at(0, CardField::ClockOut))
                         .toStdString());
        tally::jidousyuukei(t, CalcSettings());
        ASSERT_EQ(t.at(0, CardField::Work), timetext::durationText(work));
        ASSERT_EQ(t.at(0, CardField::LateNight), timetext::durationText(late));
    }
}

TEST(TallyProperty, CertifiedTotalsAreColumnSums) {
    Generator g(5);
    for (int n = 0; n < 500; ++n) {
        CardTable t = card();
        qint64 sums[5] = {};
        for (int r = 0; r < CardTable::kDayRows; ++r)
            for (int k = 0; k < 5; ++k)
                if (g.chance(30)) {
                    const int minutes = g.pick(600);
                    t.at(r, CardField::CertWithin + k) =
                        QString::number(minutes / 60) + ':' +
                        QString::number(minutes % 60).rightJustified(2, '0');
                    sums[k] += minutes;
                }
        ASSERT_FALSE(tally::keisan(t).stopped);
        for (int k = 0; k < 5; ++k)
            ASSERT_EQ(t.at(CardTable::kTotalsRow, CardField::CertWithin + k),
                      timetext::durationText(sums[k]));
    }
}
