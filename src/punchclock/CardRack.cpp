#include "punchclock/CardRack.h"

#include "data/CardTable.h"
#include "data/CardUpdate.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/MonthFolders.h"
#include "data/SafetyFolder.h"

#include <QHash>
#include <optional>

namespace {

// The roster's name of each code, its first entry winning, as a search from
// the top finds it. Only a card without a name of its own needs it.
QHash<QString, QString> rosterNames(const Roster &roster) {
    QHash<QString, QString> names;
    for (const Employee &e : roster.slots) {
        const QString code = e.code.trimmed();
        if (!names.contains(code))
            names.insert(code, e.name);
    }
    return names;
}

} // namespace

QString CardRack::modeWord() const {
    switch (m_mode) {
    case RackMode::MonthChoice:
        return QStringLiteral("itiran");
    case RackMode::Removal:
        return QStringLiteral("y");
    case RackMode::Punch:
        break;
    }
    return {};
}

void CardRack::startMonthChoice() {
    m_background = kMonthChoice;
    m_mode = RackMode::MonthChoice;
    m_cancelVisible = true;
}

void CardRack::startRemoval() {
    m_background = kRemoval;
    m_mode = RackMode::Removal;
    m_cancelVisible = true;
}

void CardRack::cancelMode() {
    m_mode = RackMode::Punch;
    m_background = kNormal;
    m_cancelVisible = false;
}

void CardRack::backToPunching() {
    cancelMode();
    m_selected = -1;
}

void CardRack::announceNotPrepared() {
    if (m_announced)
        return;
    m_announced = true;
    m_s.dialogs.notice(QStringLiteral("タイムカードが準備されていません。"));
}

void CardRack::setEntries(QList<EmployeeLine> entries) {
    m_entries = std::move(entries);
    m_lines = employeeline::texts(m_entries);
}

QStringList CardRack::rebuild(const Roster &roster, const QString &folder) {
    int named = 0;
    for (const Employee &e : roster.slots)
        if (!e.name.isEmpty())
            ++named;
    if (!m_s.fs.isFolder(folder)) {
        // The folder is missing, or a link that is never followed: the rack
        // keeps what it showed of this month, but never shows the cards of
        // another month (the card month changed at midnight to one not
        // prepared).
        if (folder != m_folder) {
            setEntries({});
            m_selected = -1;
            m_folder = folder;
        }
        if (m_s.fs.isLink(folder)) {
            if (!m_announced)
                m_s.dialogs.notice(monthfolders::linkText(folder));
            m_announced = true;
        } else if (named != 0) {
            announceNotPrepared();
        }
        return {};
    }
    m_selected = -1;
    m_folder = folder;
    const QStringList codes = employeeline::cardCodes(m_s.fs, folder);
    QList<EmployeeLine> entries;
    std::optional<QHash<QString, QString>> names;
    for (const QString &code : codes)
        if (const auto line = employeeline::ofCard(m_s.fs, folder, code, [&] {
                if (!names)
                    names = rosterNames(roster);
                return names->value(code);
            }))
            entries.append(*line);
    setEntries(std::move(entries));
    if (codes.isEmpty()) {
        if (named != 0)
            announceNotPrepared();
    } else {
        m_announced = false;
    }
    return codes;
}

FileError CardRack::keepCard(const QString &folder, const QString &code, QString &reason) {
    const QString name = code + QLatin1String(cardfile::kSuffix);
    if (!m_s.fs.exists(monthfolders::inFolder(folder, name)) &&
        !m_s.fs.isLink(monthfolders::inFolder(folder, name)))
        return FileError::None;
    SafetyFolder safety(m_s.fs, m_s.clock, history::word::kaadosakujo);
    const FileError e = safety.keep(folder, {name});
    reason = safety.reason();
    return e;
}

QString CardRack::removeLocked(const QString &folder, const QString &code, const QString &who) {
    // No other PC writes the card meanwhile.
    const cardupdate::Locks locks = cardupdate::lock(m_s.fs, folder, code);
    if (locks.error() != FileError::None)
        return who + QStringLiteral(" のタイムカードは削除しませんでした（") +
               filefailure::reason(locks.error()) + QStringLiteral("）。");
    QString reason;
    if (const FileError kept = keepCard(folder, code, reason); !isSaved(kept))
        return who + QStringLiteral(" のタイムカードは、控えを残せないため削除しませんでした（") +
               filefailure::reason(kept) + QStringLiteral("）。");
    // What the card held goes into the history before the card goes; a
    // damaged card gives what could be read of it.
    const cardfile::Read card = cardfile::read(m_s.fs, folder, code);
    const history::Written w = history::record(m_s, history::word::kaadosakujo,
                                               card.error == FileError::NotFound
                                                   ? QList<history::Entry>()
                                                   : history::cardRemoved(folder, code, card.table),
                                               reason);
    if (!w.ok())
        return who +
               QStringLiteral(" のタイムカードは、変更履歴に書き込めないため削除しませんでした"
                              "（エラー番号 %1）。")
                   .arg(errorNumber(w.error));
    const QString path = cardfile::path(folder, code);
    if (const FileError e = m_s.fs.removeFile(path); e != FileError::None && m_s.fs.exists(path)) {
        history::recordNotMade(m_s, w, e);
        return who + QStringLiteral(" のタイムカードを削除できませんでした。");
    }
    return {};
}

void CardRack::removeCard(int index, const Roster &roster, const QString &folder) {
    if (index < 0 || index >= m_lines.size())
        return;
    const QString line = m_lines[index];
    m_selected = index;
    if (!m_s.dialogs.confirm(line + QStringLiteral(" を削除します。\n") +
                             SafetyFolder::aheadText(QStringLiteral("削除するカード")))) {
        backToPunching();
        return;
    }
    const QString code = m_entries[index].code;
    // Exactly the file of that code: never a pattern, never another case.
    const QString told = cardfile::isSafeCode(code) ? removeLocked(folder, code, line.trimmed())
                                                    : cardfile::unsafeCodeText(code);
    if (!told.isEmpty())
        m_s.dialogs.notice(told);

    const QStringList codes = employeeline::cardCodes(m_s.fs, folder);
    QList<EmployeeLine> entries;
    for (const QString &c : codes) {
        if (c.isEmpty())
            continue;
        for (const Employee &e : roster.slots) {
            if (e.code.trimmed() == c) {
                entries.append({c, e.name});
                break;
            }
        }
    }
    setEntries(std::move(entries));
    if (!codes.isEmpty()) {
        backToPunching();
    } else {
        m_selected = -1;
        // Closing this box activates the screen again: its rebuild must not
        // add that no card is prepared.
        m_announced = true;
        m_s.dialogs.notice(QStringLiteral("タイムカードは全て削除されました。"));
    }
}
