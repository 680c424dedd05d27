#include "data/ChangeMerge.h"

namespace changemerge {

namespace {

bool isPunch(int field) {
    return field >= CardField::ClockIn && field <= CardField::ClockOut;
}

bool sameEmployee(const Employee &a, const Employee &b) {
    return a.code == b.code && a.name == b.name && a.payType == b.payType && a.mark == b.mark;
}

} // namespace

Card card(const CardTable &base, const CardTable &mine, const CardTable &now,
          const QList<int> &fields) {
    Card out{now, {}};
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        for (const int f : fields) {
            const QString &m = mine.at(r, f);
            const QString &n = now.at(r, f);
            if (m == base.at(r, f) || m == n)
                continue;
            if (n != base.at(r, f) && isPunch(f)) {
                out.clashes.append({r, f, m, n});
                continue;
            }
            out.table.at(r, f) = m;
        }
    }
    return out;
}

QStringList values(const QStringList &base, const QStringList &mine, const QStringList &now) {
    QStringList out = now;
    for (qsizetype i = 0; i < mine.size(); ++i) {
        if (mine[i] == base.value(i))
            continue;
        while (out.size() <= i)
            out.append(QString());
        out[i] = mine[i];
    }
    return out;
}

RosterMerge roster(const Roster &base, const Roster &mine, const Roster &now) {
    RosterMerge out{now, {}};
    QList<Employee> displaced;
    for (int i = 0; i < Roster::kSlots; ++i) {
        if (sameEmployee(mine[i], base[i]))
            continue;
        // What the other PC put in this slot, if anything, gives way.
        if (!sameEmployee(now[i], base[i]) && now[i].inUse())
            displaced.append(now[i]);
        out.roster[i] = mine[i];
    }
    for (const Employee &e : displaced) {
        bool kept = false;
        int freeSlot = -1;
        for (int i = 0; i < Roster::kSlots && !kept; ++i) {
            kept = out.roster[i].code == e.code && out.roster[i].name == e.name;
            if (freeSlot < 0 && out.roster[i].code.isEmpty() && out.roster[i].name.isEmpty())
                freeSlot = i;
        }
        if (kept)
            continue;
        if (freeSlot >= 0)
            out.roster[freeSlot] = e;
        else
            out.dropped.append(e.code + QLatin1Char(' ') + e.name);
    }
    return out;
}

TiesMerge ties(const CardTies &base, const CardTies &mine, const CardTies &now) {
    TiesMerge out{now, {}};
    QStringList ids;
    for (const CardTie &t : mine.all())
        ids.append(t.id);
    for (const CardTie &t : base.all())
        if (mine.codeOf(t.id).isEmpty())
            ids.append(t.id);
    for (const QString &id : ids) {
        const QString m = mine.codeOf(id);
        if (m == base.codeOf(id) || m == now.codeOf(id))
            continue;
        const bool changedMeanwhile = now.codeOf(id) != base.codeOf(id);
        if (changedMeanwhile || (m.isEmpty() ? !out.ties.untie(id) : !out.ties.tie(id, m)))
            out.kept.append(id);
    }
    return out;
}

} // namespace changemerge
