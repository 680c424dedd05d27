#pragma once

#include "data/CardTable.h"

#include <QList>
#include <QString>
#include <QStringList>

// Certified values the tally keeps as typed but no one would pay as they
// stand: minutes of 60 or more in a day's value ("99:99"), a month's
// certified total below zero, and overtime, holiday or late-night hours on a
// day without a single punch. The tally screen marks them as it marks a bare
// number; the print and export notices name them.
namespace certifiedmarks {

enum class Kind { MinutesOver59, NegativeTotal, NoPunch };

struct Mark {
    int row = 0;   // a day row, or the totals row
    int field = 0; // CertWithin .. CertLateEarly
    Kind kind = Kind::MinutesOver59;
};

QList<Mark> of(const CardTable &t);
// The marks of one day row: they depend on that row alone.
QList<Mark> ofRow(const CardTable &t, int row);
bool has(const QList<Mark> &marks, int row, int field);

// One mark as the notices name it: "5日の法定外「99:99」（分が60以上）".
QString describe(const Mark &m, const CardTable &t);
// All of them after "確かめてほしい認定時間（n件）："; empty when there are none.
QString note(const QList<Mark> &marks, const CardTable &t);

} // namespace certifiedmarks
