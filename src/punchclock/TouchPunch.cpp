#include "punchclock/TouchPunch.h"

#include "data/FileFailure.h"

namespace {

// Milliseconds of the wall clock as shown: the date and time alone, so a
// touch is never slowed by working out the time zone.
qint64 wallMs(const QDateTime &t) {
    return t.date().toJulianDay() * 86400000 + t.time().msecsSinceStartOfDay();
}

} // namespace

void TouchPunch::open(Services &s) {
    m_options = icoptions::read(s.fs).options;
    const cardties::Load ties = cardties::read(s.fs);
    m_ties = ties.ties;
    if (m_options.punchByCard && ties.unreadable())
        s.dialogs.notice(
            (ties.error == FileError::Damaged
                 ? filefailure::damagedFileText(QLatin1String(cardties::kFile))
                 : QStringLiteral("ICカードの登録（%1）を読み込めませんでした。")
                       .arg(QLatin1String(cardties::kFile))) +
            QStringLiteral("ICカードでは打刻できません。一覧から名前をクリックしてください。"));
    cardGone();
    m_notice = {};
}

bool TouchPunch::repeated(const QString &id, const QDateTime &now) {
    const qint64 at = wallMs(now);
    const bool same =
        !m_lastId.isNull() && id == m_lastId && at >= m_lastAt && at - m_lastAt < kRepeatMs;
    m_lastId = id;
    m_lastAt = at;
    return same;
}

void TouchPunch::setByTouch(const QString &id, const QDateTime &now) {
    m_setId = id;
    active(now);
}

void TouchPunch::active(const QDateTime &now) {
    m_activeAt = wallMs(now);
}

bool TouchPunch::idle(const QDateTime &now) const {
    return setByTouch() && wallMs(now) - m_activeAt >= qint64(kIdleSeconds) * 1000;
}

void TouchPunch::cardGone() {
    m_setId.clear();
    if (!m_notice.until.isValid())
        m_notice = {};
}

void TouchPunch::tell(const QString &text, Level level, const QDateTime &now) {
    m_notice = {text, level, now.addSecs(kNoticeSeconds)};
}

void TouchPunch::tellWhileSet(const QString &text) {
    m_notice = {text, Level::Info, {}};
}

void TouchPunch::expire(const QDateTime &now) {
    if (m_notice.until.isValid() && now >= m_notice.until)
        m_notice = {};
}
