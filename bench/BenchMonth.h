#pragma once

// The card month the punch clock's benchmarks run over: the settings (月初～月末,
// western years), a roster of 999 employees "従業員1" to "従業員999" with the
// codes 1 to 999, and a card each in the folder 2009年5月.

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

namespace bench {

inline constexpr int kEmployees = 999;

inline QString monthFolder() {
    return QStringLiteral("2009年5月");
}

// The first punchedDays days of every card hold 8:55 to 17:30. False when a
// file could not be written.
inline bool prepareMonth(FileSystem &fs, int punchedDays) {
    CalcSettings s;
    s[CalcSettings::YearStyle] = QStringLiteral("seireki");
    s[CalcSettings::PeriodKind] = QStringLiteral("getumatusime");
    Roster roster;
    if (fs.makeFolder(monthFolder()) != FileError::None)
        return false;
    for (int i = 0; i < kEmployees; ++i) {
        const QString code = QString::number(i + 1);
        const QString name = QStringLiteral("従業員%1").arg(i + 1);
        roster[i] = {code, name, QStringLiteral("月給"), {}};
        CardTable c;
        for (int r = 0; r < CardTable::kDayRows; ++r) {
            c.at(r, CardField::Day) = QString::number(r + 1);
            c.at(r, CardField::Code) = code;
            c.at(r, CardField::Name) = name;
            c.at(r, CardField::PayType) = QStringLiteral("月給");
            if (r < punchedDays) {
                c.at(r, CardField::ClockIn) = QStringLiteral("8:55");
                c.at(r, CardField::ClockOut) = QStringLiteral("17:30");
            }
        }
        if (cardfile::write(fs, monthFolder(), code, c) != FileError::None)
            return false;
    }
    return records::write(fs, QLatin1String(kSettingsFile), s.toList()) == FileError::None &&
           records::write(fs, QLatin1String(kRosterFile), roster.toList()) == FileError::None;
}

} // namespace bench
