#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "support/TestServices.h"

#include <QDir>

// A whole card of one employee, marked so that two versions differ.
inline QByteArray cardBytes(const QString &code, const QString &mark) {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = code;
        t.at(r, CardField::Name) = mark;
    }
    return records::format(t.toList());
}

// Puts cards 1..n of a month, marked, below a folder of the test.
inline void putMonth(const TestServices &t, const QString &folder, int n, const QString &mark) {
    for (int i = 1; i <= n; ++i)
        t.put(folder + "/" + QString::number(i) + ".Card", cardBytes(QString::number(i), mark));
}

inline void putSettings(const TestServices &t, const QString &kind, const QString &style = {}) {
    CalcSettings s;
    s[CalcSettings::PeriodKind] = kind;
    s[CalcSettings::YearStyle] = style;
    t.put("Kijyun.Dat", records::format(s.toList()));
}

// Every entry of a folder, hidden ones too.
inline QStringList allEntries(const QString &path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}
