#include "maintenance/MonthInUse.h"

#include "data/DateRules.h"
#include "data/FileFailure.h"

namespace monthinuse {

QString name(const QDate &today, const CalcSettings &s) {
    return daterules::cardMonthFolder(daterules::currentCardMonth(today, s), s);
}

QString question(const QString &name, const QString &action, const QString &detail) {
    return name + QStringLiteral(" は現在使用中です。") +
           (detail.isEmpty() ? QString() : QLatin1Char('\n') + detail + QLatin1Char('\n')) +
           action + QStringLiteral("してもよろしいか。");
}

bool readSettings(Services &s, bool create, CalcSettings &out) {
    const QString file = QLatin1String(kSettingsFile);
    records::Read read;
    if (create) {
        const filefailure::Load load =
            filefailure::loadOrCreate(s, file, CalcSettings::kCount, IoWording::Disk);
        if (load.ended)
            return false;
        if (load.cleared == FileError::Damaged)
            s.dialogs.info(filefailure::damagedFileText(file));
        read = load.read;
    } else {
        read = records::read(s.fs, file, CalcSettings::kCount);
        if (filefailure::endOnFatal(s, read.error, IoWording::Disk))
            return false;
        if (read.error == FileError::Damaged)
            s.dialogs.info(filefailure::damagedFileText(file));
        if (!read.ok())
            read.values.clear();
    }
    out = CalcSettings::fromList(read.values);
    if (out[CalcSettings::YearStyle].isEmpty())
        out[CalcSettings::YearStyle] = storedword::seireki;
    return true;
}

} // namespace monthinuse
