#include "data/ChangeWatch.h"

bool ChangeWatch::due() {
    const QDateTime now = m_clock.now();
    const int interval = m_events ? kEventsPollMs : kPollMs;
    // A clock set back starts the interval anew rather than waiting for it.
    if (!m_nudged && m_last.isValid() && now >= m_last && m_last.msecsTo(now) < interval)
        return false;
    m_nudged = false;
    m_last = now;
    return true;
}

bool ChangeWatch::changed(const QString &path) {
    const QByteArray now = m_fs.stamp(path);
    const auto it = m_stamps.find(path);
    if (it == m_stamps.end()) {
        m_stamps.insert(path, now);
        return false;
    }
    if (it.value() == now)
        return false;
    it.value() = now;
    return true;
}
