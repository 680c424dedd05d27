#include "data/Roster.h"

QStringList Roster::toList() const {
    QStringList list;
    list.reserve(kValues);
    for (const Employee &e : slots) {
        list.append(e.code);
        list.append(e.name);
        list.append(e.payType);
        list.append(e.mark);
    }
    return list;
}

Roster Roster::fromList(const QStringList &values) {
    Roster r;
    for (int i = 0; i < kSlots; ++i) {
        Employee &e = r[i];
        e.code = values.value(i * kFields + 0);
        e.name = values.value(i * kFields + 1);
        e.payType = values.value(i * kFields + 2);
        e.mark = values.value(i * kFields + 3);
    }
    return r;
}
