#include "punchclock/CardRack.h"

#include "data/CardTable.h"
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

void CardRack::rebuild(const Roster &roster, const QString &folder) {
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
        return;
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
    QString kept;
    // Exactly the file of that code: never a pattern, never another case.
    if (!cardfile::isSafeCode(code)) {
        m_s.dialogs.notice(cardfile::unsafeCodeText(code));
    } else if (const FileError e = keepCard(folder, code, kept); !isSaved(e)) {
        m_s.dialogs.notice(line.trimmed() +
                           QStringLiteral(" のタイムカードは、控えを残せないため削除しませんでした"
                                          "（") +
                           filefailure::reason(e) + QStringLiteral("）。"));
    } else {
        // What the card held goes into the history before the card goes; a
        // damaged card gives what could be read of it.
        const cardfile::Read card = cardfile::read(m_s.fs, folder, code);
        const history::Written w = history::record(
            m_s, history::word::kaadosakujo,
            card.error == FileError::NotFound ? QList<history::Entry>()
                                              : history::cardRemoved(folder, code, card.table),
            kept);
        if (!w.ok()) {
            m_s.dialogs.notice(line.trimmed() +
                               QStringLiteral(" のタイムカードは、変更履歴に書き込めないため削除"
                                              "しませんでした（エラー番号 %1）。")
                                   .arg(errorNumber(w.error)));
        } else if (const FileError e = m_s.fs.removeFile(cardfile::path(folder, code));
                   e != FileError::None && m_s.fs.exists(cardfile::path(folder, code))) {
            history::recordNotMade(m_s, w, e);
            m_s.dialogs.notice(line.trimmed() +
                               QStringLiteral(" のタイムカードを削除できませんでした。"));
        }
    }

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
