#include "tally/CapMonths.h"

#include "data/CardMonth.h"
#include "data/RecordFile.h"
#include "tally/TimeText.h"

#include <optional>

namespace {

struct Calendar {
    int index; // western year * 12 + month - 1
    bool era;
};

std::optional<Calendar> calendarOf(const QString &folder) {
    const std::optional<CardMonth> m = CardMonth::parse(folder);
    const std::optional<daterules::YearMonth> c = m ? m->calendarMonth() : std::nullopt;
    if (!c)
        return std::nullopt;
    return Calendar{c->westernYear * 12 + c->month - 1, m->eraYear()};
}

// The totals row of a card in the exact form the program writes, decoded
// alone: the other 496 values are not needed here.
CardTable totalsOfWrittenCard(const QByteArray &bytes) {
    qsizetype at = bytes.size();
    int ends = 0;
    while (at > 0 && !(bytes[at - 1] == '\n' && ++ends > CardTable::kFields))
        --at;
    const QStringList values = records::parse(bytes.mid(at));
    CardTable t;
    for (int f = 0; f < CardTable::kFields; ++f)
        t.at(CardTable::kTotalsRow, f) = values.value(f);
    return t;
}

} // namespace

std::array<QString, overtimecaps::kWindow> CapMonths::window(const QString &chosen,
                                                             const QStringList &folders) {
    std::array<QString, overtimecaps::kWindow> out;
    const std::optional<Calendar> c = calendarOf(chosen);
    if (!c)
        return out;
    out[0] = chosen;
    for (const QString &f : folders) {
        const std::optional<Calendar> m = calendarOf(f);
        if (!m)
            continue;
        const int back = c->index - m->index;
        if (back < 1 || back >= overtimecaps::kWindow)
            continue;
        QString &slot = out[static_cast<size_t>(back)];
        const bool sameStyle = m->era == c->era;
        // The first of the chosen month's style; another style only where
        // that style has none.
        if (slot.isEmpty() || (sameStyle && calendarOf(slot)->era != c->era))
            slot = f;
    }
    return out;
}

overtimecaps::MonthHours CapMonths::hoursOf(const CardTable &card) {
    overtimecaps::MonthHours h;
    const int t = CardTable::kTotalsRow;
    h.confirmed = card.confirmed();
    if (!h.confirmed)
        return h;
    h.beyond = timetext::certifiedMinutes(card.at(t, CardField::CertBeyond));
    h.holiday = timetext::certifiedMinutes(card.at(t, CardField::CertHoliday));
    return h;
}

overtimecaps::MonthHours CapMonths::hours(const QString &folder, const QString &code) {
    if (folder.isEmpty() || !cardfile::isSafeCode(code))
        return {};
    QHash<QString, overtimecaps::MonthHours> &month = m_cache[folder];
    const auto known = month.constFind(code);
    if (known != month.constEnd())
        return *known;
    ++m_reads;
    const ReadResult file = m_fs.readFile(cardfile::path(folder, code), cardfile::kMaxBytes);
    overtimecaps::MonthHours h;
    if (file.ok() && records::isWrittenForm(file.bytes, CardTable::kValues)) {
        h = hoursOf(totalsOfWrittenCard(file.bytes));
    } else {
        // Any other form as the card reader takes it; a damaged card counts nothing.
        const cardfile::Read r = cardfile::fromFile(file);
        if (r.ok())
            h = hoursOf(r.table);
    }
    month.insert(code, h);
    return h;
}

void CapMonths::stored(const QString &folder, const QString &code, const CardTable &card) {
    m_cache[folder].insert(code, hoursOf(card));
}
