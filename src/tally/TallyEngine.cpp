#include "tally/TallyEngine.h"

#include "tally/DayTally.h"
#include "tally/TimeText.h"

namespace tally {

namespace {

using timetext::durationHours;
using timetext::durationMinutes;
using timetext::durationText;
using timetext::numberValue;

constexpr int kCertifiedFirst = CardField::CertWithin;
constexpr int kCertifiedLast = CardField::CertLateEarly;

// The notice names the month's rounding in the blank of its fixed text.
QString noticeText(const QString &unit, const QString &method) {
    QString head = QStringLiteral("【月間の合計勤務時間数は　　分単位の、");
    head.replace(QStringLiteral("　　"), unit);
    return head + method + QStringLiteral("方式で処理しています】");
}

// A day row counts as worked when its working time has a non-zero hour or
// minute part.
bool worked(const QString &work) {
    return numberValue(QStringView(work).left(2)) != 0 ||
           numberValue(QStringView(work).right(2)) != 0;
}

// The month total from its hour sum and its (uncarried) minute sum.
QString monthText(qint64 hours, qint64 minutes) {
    if (hours == 0 && minutes == 0)
        return QString();
    return durationText(hours * 60 + minutes);
}

} // namespace

int punchUnitOf(const CalcSettings &settings, const QString &payType) {
    const int row = CalcSettings::roundingRowOf(payType);
    if (row < 0)
        return 1;
    const qint64 unit = numberValue(settings[row]);
    return unit >= 1 && unit <= 60 ? static_cast<int>(unit) : 1;
}

// "切上げ切捨て" rounds half up: a remainder of at least half the unit goes up
// to the next multiple, a smaller one goes down, as monthly overtime totals
// are customarily rounded.
qint64 roundMonthlyMinutes(qint64 minutes, qint64 unit, const QString &method) {
    if (minutes <= 0 || unit <= 0)
        return minutes;
    const qint64 down = unit * (minutes / unit);
    const qint64 remainder = minutes % unit;
    if (method == QStringLiteral("切捨て"))
        return down;
    if (method == QStringLiteral("切上げ"))
        return remainder == 0 ? minutes : down + unit;
    if (method == QStringLiteral("切上げ切捨て"))
        return remainder * 2 >= unit ? down + unit : down;
    return minutes;
}

TallyResult jidousyuukei(CardTable &table, const CalcSettings &settings) {
    TallyResult result;
    const QString payType = table.at(0, CardField::PayType);
    const int row = CalcSettings::roundingRowOf(payType);
    result.punchUnit = punchUnitOf(settings, payType);

    QString monthlyUnit;
    QString method;
    if (row >= 0) {
        monthlyUnit = settings[row + 1];
        method = settings[row + 2];
        result.notice = noticeText(monthlyUnit, method);
        result.noticeShown = !monthlyUnit.isEmpty();
    }

    for (int d = 0; d < CardTable::kDayRows; ++d) {
        const DayMinutes day = dayMinutes(roundPunches(table, d, result.punchUnit));
        table.at(d, CardField::Work) = durationText(day.work);
        table.at(d, CardField::LateNight) = durationText(day.lateNight);
    }

    qint64 workHours = 0, workMinutes = 0, lateHours = 0, lateMinutes = 0;
    for (int d = 0; d < CardTable::kDayRows; ++d) {
        const QString &work = table.at(d, CardField::Work);
        const QString &late = table.at(d, CardField::LateNight);
        if (worked(work))
            ++result.daysWorked;
        // Minutes are summed apart from the hours so that the monthly rounding
        // applies to the month's minutes alone.
        if (work.contains(QLatin1Char(':'))) {
            workHours += durationHours(work);
            workMinutes += durationMinutes(work);
        }
        if (late.contains(QLatin1Char(':'))) {
            lateHours += durationHours(late);
            lateMinutes += durationMinutes(late);
        }
    }
    if (row >= 0)
        workMinutes = roundMonthlyMinutes(workMinutes, numberValue(monthlyUnit), method);

    result.monthlyWork = monthText(workHours, workMinutes);
    result.monthlyLateNight = monthText(lateHours, lateMinutes);
    table.at(CardTable::kTotalsRow, CardField::DaysWorked) = QString::number(result.daysWorked);
    table.at(CardTable::kTotalsRow, CardField::Work) = result.monthlyWork;
    table.at(CardTable::kTotalsRow, CardField::LateNight) = result.monthlyLateNight;
    return result;
}

KeisanResult keisan(CardTable &table) {
    KeisanResult result;
    for (int d = 0; d < CardTable::kDayRows && !result.stopped; ++d)
        for (int f = kCertifiedFirst; f <= kCertifiedLast; ++f) {
            const QString &cell = table.at(d, f);
            if (!cell.isEmpty() && !cell.contains(QLatin1Char(':'))) {
                result = {true, d, f};
                break;
            }
        }
    if (result.stopped)
        return result;

    for (int f = kCertifiedFirst; f <= kCertifiedLast; ++f) {
        qint64 total = 0;
        for (int d = 0; d < CardTable::kDayRows; ++d)
            if (!table.at(d, f).isEmpty())
                total += timetext::certifiedMinutes(table.at(d, f));
        table.at(CardTable::kTotalsRow, f) = durationText(total);
    }
    return result;
}

} // namespace tally
