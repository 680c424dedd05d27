#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

// The payroll file of a tallied month: one CSV line per employee with the
// month's times and certified totals, a header line, code page 932 and CR LF,
// as Japanese spreadsheets and payroll programs open it.
namespace payrollcsv {

// Times as hours and minutes (161:15) or as whole minutes (9675).
enum class TimeForm { HoursMinutes, Minutes };

inline constexpr int kCertified = 5; // 法定内, 法定外, 休日, 深夜, 遅刻早退

struct Line {
    QString code;
    QString name;
    QString payType;
    int daysWorked = 0;
    qint64 work = 0;      // minutes
    qint64 lateNight = 0; // minutes
    std::array<qint64, kCertified> certified{};
};

// A value as a CSV field: in double quotes, its quotes doubled, when it holds
// a comma, a quote or a line break; else as it is.
QString field(const QString &value);

// Minutes in the chosen form; zero is 0:00 or 0, never empty.
QString timeText(qint64 minutes, TimeForm form);

QString header(TimeForm form);
QString line(const Line &l, TimeForm form);

// The whole file: the header, the lines, each ended by CR LF, in code page 932.
QByteArray file(const QList<Line> &lines, TimeForm form);

// The file name offered for a card month: 2007年3月_勤怠.csv.
QString fileName(const QString &monthFolder);

} // namespace payrollcsv
