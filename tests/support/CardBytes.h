#pragma once

#include "data/CardTable.h"
#include "data/RecordFile.h"

#include <QByteArray>
#include <QString>

// A card of one employee as preparation lays it out, nothing punched.
inline CardTable blankCard(const QString &code, const QString &name,
                           const QString &payType = QStringLiteral("月給")) {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = code;
        t.at(r, CardField::Name) = name;
        t.at(r, CardField::PayType) = payType;
    }
    return t;
}

// A whole card of one employee, marked so that two versions differ.
inline QByteArray cardBytes(const QString &code, const QString &mark) {
    return records::format(blankCard(code, mark, {}).toList());
}
