#include "punchclock/RecorderScreen.h"

void RecorderScreen::watchMonth(QStringList rackCodes) {
    m_rackCodes = std::move(rackCodes);
    m_watch.setEvents(m_s.fs.deliversEvents(monthFolder()));
}

void RecorderScreen::lookForChanges() {
    if (!m_watch.due())
        return;
    // The month folder's listing: the rack is built again when its cards are
    // others (prepared or removed on another PC).
    if (employeeline::cardCodes(m_s.fs, monthFolder()) != m_rackCodes) {
        activated();
        ++m_changeRevision;
    }
    // Every save puts a new file in place: the set card's stamp moves with a
    // punch made on it anywhere.
    if (m_panel.cardSet() && m_watch.changed(m_panel.cardPath()) && m_panel.refresh())
        ++m_changeRevision;
}
