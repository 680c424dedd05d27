#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <QHash>
#include <QString>

// Notices what other programs, on other PCs, wrote into the data folder: the
// stamps of the paths a screen shows (a card month folder, whose time changes
// with every card saved into it; the card set on the panel) compared at most
// every interval, a light poll. Where the system tells of changes as they
// happen (a watcher's event), the event asks for the next look at once and
// the poll is only a safety net.
class ChangeWatch {
public:
    static constexpr int kPollMs = 2000;
    static constexpr int kEventsPollMs = 30000;

    ChangeWatch(FileSystem &fs, const Clock &clock) : m_fs(fs), m_clock(clock) {}

    // Whether a watcher tells of changes in the folder as they happen.
    void setEvents(bool delivered) { m_events = delivered; }
    bool events() const { return m_events; }
    // A watcher's event: the next look is due at once.
    void nudge() { m_nudged = true; }
    // Whether it is time to look; true starts a new interval.
    bool due();
    // Whether the path's stamp differs from the one seen last; the first
    // look at a path only takes its stamp.
    bool changed(const QString &path);
    // Takes the path's stamp as it is now (the screen has just read it).
    void remember(const QString &path) { m_stamps.insert(path, m_fs.stamp(path)); }

private:
    FileSystem &m_fs;
    const Clock &m_clock;
    QHash<QString, QByteArray> m_stamps;
    QDateTime m_last;
    bool m_events = false;
    bool m_nudged = false;
};
