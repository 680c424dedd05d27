#include "tally/PayrollCsv.h"

#include "platform/Codec932.h"
#include "tally/TimeText.h"

#include <QStringList>

namespace payrollcsv {

QString field(const QString &value) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool quoted = false;
    for (const QChar c : value)
        quoted = quoted || special.contains(c);
    if (!quoted)
        return value;
    QString v = value;
    v.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

QString timeText(qint64 minutes, TimeForm form) {
    if (form == TimeForm::Minutes)
        return QString::number(minutes);
    return minutes == 0 ? QStringLiteral("0:00") : timetext::durationText(minutes);
}

QString header(TimeForm form) {
    const QString unit = form == TimeForm::Minutes ? QStringLiteral("（分）") : QString();
    QStringList names = {QStringLiteral("コード"), QStringLiteral("氏名"),
                         QStringLiteral("給与形態"), QStringLiteral("出勤日数")};
    for (const QString &t :
         {QStringLiteral("勤務時間"), QStringLiteral("深夜勤務時間"), QStringLiteral("認定法定内"),
          QStringLiteral("認定法定外"), QStringLiteral("認定休日"), QStringLiteral("認定深夜"),
          QStringLiteral("認定遅刻早退")})
        names << t + unit;
    return names.join(QLatin1Char(','));
}

QString line(const Line &l, TimeForm form) {
    QStringList values = {field(l.code),          field(l.name),
                          field(l.payType),       QString::number(l.daysWorked),
                          timeText(l.work, form), timeText(l.lateNight, form)};
    for (const qint64 c : l.certified)
        values << timeText(c, form);
    return values.join(QLatin1Char(','));
}

QByteArray file(const QList<Line> &lines, TimeForm form) {
    const QString crlf = QStringLiteral("\r\n");
    QString text = header(form) + crlf;
    for (const Line &l : lines)
        text += line(l, form) + crlf;
    return cp932::encode(text);
}

QString fileName(const QString &monthFolder) {
    return monthFolder + QStringLiteral("_勤怠.csv");
}

} // namespace payrollcsv
