#include "data/CardUpdate.h"
#include "punchclock/PunchPanel.h"

bool PunchPanel::refresh() {
    if (!m_set)
        return false;
    const cardfile::Read read = cardfile::read(m_s.fs, m_target.folder, m_cardCode);
    // A card gone or damaged meanwhile is told when it is returned.
    if (!read.ok() || read.table.toList() == m_read.toList())
        return false;
    const changemerge::Card merged =
        changemerge::card(m_read, m_table, read.table, changemerge::kPunchFields);
    m_read = read.table;
    m_table = merged.table;
    if (m_row >= 0) {
        for (int k = 0; k < kKinds; ++k) {
            const QString &t = m_table.at(m_row, fieldOfKind(k));
            // A punch deleted elsewhere (a correction) is no longer shown.
            if (t.isEmpty() && label(k).pressed())
                label(k).clear();
            if (t.isEmpty() || (label(k).pressed() && label(k).text == t))
                continue;
            // Punched on another PC: what was chosen here gives way to it.
            label(k) = {t, TimeState::Pressed};
            m_buttonDown[static_cast<size_t>(k)] = false;
        }
    }
    if (!merged.clashes.isEmpty())
        m_s.dialogs.notice(m_name.trimmed() + QStringLiteral(" さん：") +
                           cardupdate::clashText(m_table, merged.clashes));
    return true;
}
