#pragma once

#include "data/CalcSettings.h"
#include "data/RecordFile.h"
#include "support/CardBytes.h"
#include "support/TestServices.h"

#include <QDir>

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
