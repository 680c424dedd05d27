#include "punchclock/TouchPunch.h"

#include "data/FileFailure.h"

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
    const bool same =
        id == m_lastId && m_lastAt.isValid() && m_lastAt.msecsTo(now) < kRepeatMs;
    m_lastId = id;
    m_lastAt = now;
    return same;
}

void TouchPunch::setByTouch(const QString &id, const QDateTime &now) {
    m_setId = id;
    m_activeAt = now;
}

bool TouchPunch::idle(const QDateTime &now) const {
    return setByTouch() && m_activeAt.secsTo(now) >= kIdleSeconds;
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
