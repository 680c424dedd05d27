#include "printing/OverHoursList.h"

#include "printing/WorkRecordSheet.h"

#include <algorithm>

namespace {

constexpr double kLeft = 20;
constexpr double kRight = 190;
constexpr double kHeadTop = 50;
constexpr double kFirstRow = 57; // top of the first employee's row
constexpr double kRow = 7;
// Column rules and where the texts stand.
constexpr double kColumns[] = {40, 100, 140};
constexpr double kCodeX = 23;
constexpr double kNameX = 43;
constexpr double kMonthX = 111;
constexpr double kAverageX = 146;

} // namespace

QString OverHoursList::title(int limitHours) {
    return QStringLiteral("時間外・休日労働が月%1時間を超えた者の一覧").arg(limitHours);
}

QString OverHoursList::dateText(const QDate &d) {
    return QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}

int OverHoursList::draw(const OverHoursData &data, const QDate &printed) {
    qsizetype first = 0;
    do {
        if (first > 0)
            if (int e = m_printer.newPage())
                return e;
        if (int e = page(data, printed, first))
            return e;
        first += kRowsPerPage;
    } while (first < data.lines.size());
    return 0;
}

int OverHoursList::page(const OverHoursData &data, const QDate &printed, qsizetype first) {
    if (int e = m_printer.setFontFace(kGothic))
        return e;
    if (int e = m_printer.setFontSize(14))
        return e;
    if (int e = text(title(data.limitHours), kLeft, 22))
        return e;
    if (int e = m_printer.setFontFace(kMincho))
        return e;
    if (int e = m_printer.setFontSize(10.5))
        return e;
    if (int e =
            text(QStringLiteral("対象月：") + data.monthFolder + QStringLiteral("分"), kLeft, 33))
        return e;
    if (int e = text(QStringLiteral("印刷日：") + dateText(printed), 140, 33))
        return e;
    if (int e = m_printer.setFontSize(9))
        return e;
    if (int e = text(QStringLiteral("時間数は確定したタイムカードの認定時間数（法定外＋休日）です。"
                                    "確定していない月は0時間として平均しています。"),
                     kLeft, 41))
        return e;

    const qsizetype rows =
        data.lines.isEmpty() ? 1 : std::min<qsizetype>(kRowsPerPage, data.lines.size() - first);
    const double bottom = kFirstRow + kRow * static_cast<double>(rows);
    if (int e = m_printer.setLineStyle(Printer::Solid))
        return e;
    if (int e = m_printer.setLineWidth(2))
        return e;
    if (int e = line(kLeft, kHeadTop, kRight, kHeadTop))
        return e;
    for (qsizetype i = 0; i <= rows; ++i) {
        const double y = kFirstRow + kRow * static_cast<double>(i);
        if (int e = line(kLeft, y, kRight, y))
            return e;
    }
    for (const double x : {kLeft, kColumns[0], kColumns[1], kColumns[2], kRight})
        if (int e = line(x, kHeadTop, x, bottom))
            return e;
    if (int e = m_printer.setFontSize(10))
        return e;
    const double headY = kHeadTop + 2;
    if (int e = text(QStringLiteral("コード"), kCodeX, headY))
        return e;
    if (int e = text(QStringLiteral("氏　名"), kNameX, headY))
        return e;
    if (int e = text(QStringLiteral("当月の時間数"), kColumns[1] + 4, headY))
        return e;
    if (int e = text(QStringLiteral("2～6か月平均の最高"), kColumns[2] + 4, headY))
        return e;

    if (int e =
            text(QStringLiteral("※該当する者には、超えた時間を速やかに本人へ知らせてください。"),
                 kLeft, bottom + 3))
        return e;
    if (data.lines.isEmpty())
        return text(QStringLiteral("該当者なし"), kNameX, kFirstRow + 2);
    for (qsizetype i = 0; i < rows; ++i) {
        const OverHoursLine &l = data.lines[first + i];
        const double y = kFirstRow + kRow * static_cast<double>(i) + 2;
        if (int e = text(l.code, kCodeX, y))
            return e;
        if (int e = text(l.name, kNameX, y))
            return e;
        if (int e = text(WorkRecordSheet::rightAligned(l.monthHours, 7), kMonthX, y))
            return e;
        const QString average = WorkRecordSheet::rightAligned(l.averageHours, 7) +
                                QStringLiteral("（%1か月）").arg(l.averageMonths);
        if (int e = text(average, kAverageX, y))
            return e;
    }
    return 0;
}
