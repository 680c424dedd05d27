#include "data/LabourRules.h"

#include "data/CardMonth.h"
#include "data/DateRules.h"

namespace labourrules {

bool roundingShortensTime(const CalcSettings &s) {
    for (const int row : {CalcSettings::MonthlyPunchUnit, CalcSettings::DailyPunchUnit,
                          CalcSettings::HourlyPunchUnit}) {
        // A method works only with a monthly unit.
        if (leadingNumber(s[row]) > 0 ||
            (leadingNumber(s[row + 1]) > 0 && s[row + 2].trimmed() == QStringLiteral("切捨て")))
            return true;
    }
    return false;
}

QString roundingNoticeText() {
    return QStringLiteral("※ 打刻時刻の端数処理（出勤の切上げ・退勤の切捨て）や月間の「切捨て」は、"
                          "勤務時間を日々短く数えるため、賃金の全額払いの原則に反するおそれが"
                          "あります。認められているのは、月間の合計を30分単位で「切上げ切捨て」"
                          "する処理です。");
}

QDate periodEnd(const QString &folderName, const CalcSettings &s) {
    const std::optional<daterules::YearMonth> m = CardMonth::calendarMonth(folderName);
    if (!m)
        return {};
    const daterules::PayPeriod p = daterules::payPeriod(*m, s);
    for (auto d = p.days.rbegin(); d != p.days.rend(); ++d)
        if (d->isValid())
            return *d;
    return QDate(m->westernYear, m->month, daterules::daysInMonth(m->westernYear, m->month));
}

bool withinRetention(const QString &folderName, const QDate &today, const CalcSettings &s) {
    const QDate end = periodEnd(folderName, s);
    return end.isValid() && today <= end.addYears(kRetentionYears);
}

QString retentionQuestion(const QStringList &months) {
    return QStringLiteral("次の年月のタイムカードは、保存期間（%1年）を過ぎていません。\n%2\n"
                          "勤怠の記録は%1年間の保存が必要です。それでも削除しますか。")
        .arg(kRetentionYears)
        .arg(months.join(QStringLiteral("、")));
}

int lastPunchedBefore(const CardTable &t, int row) {
    for (int r = std::min(row, CardTable::kDayRows) - 1; r >= 0; --r)
        for (int f = CardField::ClockIn; f <= CardField::ClockOut; ++f)
            if (!t.at(r, f).isEmpty())
                return r;
    return -1;
}

int openClockInBefore(const CardTable &t, int row) {
    const int r = lastPunchedBefore(t, row);
    return r >= 0 && !t.at(r, CardField::ClockIn).isEmpty() &&
                   t.at(r, CardField::ClockOut).isEmpty()
               ? r
               : -1;
}

} // namespace labourrules
