#include "data/HistoryTargets.h"

#include "data/CalcSettings.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

namespace history {

namespace {

std::optional<QStringList> readValues(FileSystem &fs, const QString &name, int count) {
    const records::Read r = records::read(fs, name, count);
    if (r.error == FileError::NotFound)
        return QStringList(count, QString());
    if (!r.ok())
        return std::nullopt;
    return r.values;
}

} // namespace

std::optional<QString> Targets::valueOf(const Entry &e) {
    if (e.month == QLatin1String(kSettingsFile)) {
        if (!m_settingsRead)
            m_settings = readValues(m_fs, e.month, CalcSettings::kCount);
        m_settingsRead = true;
        if (!m_settings || e.field < 0 || e.field >= CalcSettings::kCount)
            return std::nullopt;
        return m_settings->at(e.field);
    }
    if (e.month == QLatin1String(kRosterFile)) {
        if (!m_rosterRead)
            m_roster = readValues(m_fs, e.month, Roster::kValues);
        m_rosterRead = true;
        if (!m_roster || e.row < 0 || e.row >= Roster::kSlots || e.field < 0 ||
            e.field >= Roster::kFields)
            return std::nullopt;
        return m_roster->at(e.row * Roster::kFields + e.field);
    }
    if (e.month == QLatin1String(cardties::kFile)) {
        if (!m_tiesRead) {
            const cardties::Load l = cardties::read(m_fs);
            if (!l.unreadable())
                m_ties = l.ties;
        }
        m_tiesRead = true;
        if (!m_ties)
            return std::nullopt;
        // The card's ID while it is the employee's, else nothing.
        const QString id = e.newText.isEmpty() ? e.oldText : e.newText;
        return m_ties->codeOf(id) == e.code ? id : QString();
    }
    if (!isCardMonth(e.month) || !cardfile::isSafeCode(e.code))
        return std::nullopt;
    const QString key = e.month + QLatin1Char('/') + e.code;
    if (key != m_cardKey) {
        m_cardKey = key;
        const cardfile::Read r = cardfile::read(m_fs, e.month, e.code);
        m_card = r.table;
        m_cardState = r.ok() ? Card::Read
                      : r.error == FileError::NotFound || r.error == FileError::PathNotFound
                          ? Card::Missing
                          : Card::Unreadable;
    }
    if (m_cardState == Card::Unreadable)
        return std::nullopt;
    if (e.row < 0 && e.field < 0)
        return m_cardState == Card::Missing ? QString() : cardPresent();
    if (e.row < 0 || e.row >= CardTable::kRows || e.field < 0 || e.field >= CardTable::kFields)
        return std::nullopt;
    return m_cardState == Card::Missing ? QString() : m_card.at(e.row, e.field);
}

QList<Entry> notMade(FileSystem &fs, const QList<Record> &group) {
    QList<Entry> undone;
    Targets targets(fs);
    for (const Record &r : group) {
        if (!makesChange(r.function) || r.entry.oldText == r.entry.newText)
            continue;
        const std::optional<QString> now = targets.valueOf(r.entry);
        if (now && *now == r.entry.oldText) {
            Entry e = r.entry;
            e.function.clear();
            e.reason = QString::number(r.number);
            undone.append(e);
        }
    }
    return undone;
}

} // namespace history
