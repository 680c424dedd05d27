#include "screen/KeyBurst.h"

#include "platform/CardReader.h"

KeyBurst::Result KeyBurst::key(QChar c, qint64 ms) {
    Result r = pause(ms);
    m_keys.append(c);
    m_last = ms;
    return r;
}

KeyBurst::Result KeyBurst::enter(qint64 ms) {
    Result r;
    if (m_keys.size() >= kMinLength && ms - m_last <= kMaxGapMs)
        r.card = cardid::normalized(m_keys);
    if (r.card.isEmpty())
        r.person = m_keys;
    m_keys.clear();
    return r;
}

KeyBurst::Result KeyBurst::pause(qint64 ms) {
    Result r;
    if (!m_keys.isEmpty() && ms - m_last > kMaxGapMs) {
        r.person = m_keys;
        m_keys.clear();
    }
    return r;
}

KeyBurst::Result KeyBurst::interrupt() {
    Result r;
    r.person = m_keys;
    m_keys.clear();
    return r;
}
