#pragma once

#include "data/CardTable.h"
#include "data/RecordFile.h"

#include <QByteArray>
#include <QString>

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
