#include "punchclock/PunchPanel.h"

#include "data/CardMonth.h"
#include "data/CardUpdate.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/LabourRules.h"
#include "punchclock/PunchDay.h"

int findPunchRow(const CardTable &table, const PunchTarget &target) {
    if (target.day <= 0)
        return -1;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        if (leadingNumber(table.at(r, CardField::Day)) != target.day)
            continue;
        const QDate date = target.period.days[static_cast<size_t>(r)];
        // Where the card's layout and the pay period agree, the month decides;
        // a card laid out under other settings is found by the day alone.
        if (target.periodKnown && date.isValid() && date.day() == target.day &&
            date.month() != target.month)
            continue;
        return r;
    }
    return -1;
}

void PunchPanel::clearSelection() {
    m_selected = -1;
    m_lastSet = -1;
}

void PunchPanel::setCard(int index, const EmployeeLine &who, const PunchTarget &target) {
    m_selected = index;
    if (m_lastSet != -1 && index == m_lastSet)
        return;
    if (!m_code.isEmpty() || !m_name.isEmpty()) {
        m_s.dialogs.notice(QStringLiteral("タイムカードを戻してから、クリックしてください。"));
        m_selected = m_lastSet;
        return;
    }
    m_lastSet = index;
    if (index < 0)
        return;
    const QString code = who.code.trimmed();
    const QString rackLine = employeeline::text(who);
    const cardfile::Read read = cardfile::read(m_s.fs, target.folder, code);
    if (!read.ok()) {
        // A damaged card is never set: returning it would save it as it reads.
        m_s.dialogs.notice(read.error == FileError::Damaged
                               ? cardfile::damagedText(rackLine, target.folder)
                               : rackLine.trimmed() +
                                     QStringLiteral(" のタイムカードは準備されていません。"));
        // Nothing is set: a second click on the same line tries again.
        m_lastSet = -1;
        m_selected = -1;
        return;
    }
    m_table = read.table;
    m_read = read.table;
    m_target = target;
    m_cardCode = code;
    m_code = m_table.at(0, CardField::Code);
    m_name = m_table.at(0, CardField::Name);
    for (int k = 0; k < kKinds; ++k) {
        label(k).clear();
        m_buttonDown[static_cast<size_t>(k)] = false;
    }
    m_kind = -1;
    m_set = true;
    showDayRow();
    if (!rowMissing())
        warnOpenClockIn();
}

namespace {

// A day row as the notice names it: its calendar date where the period gives
// it, else its day and stored weekday.
QString whenText(const CardTable &t, int r, const daterules::PayPeriod &period, bool known) {
    const QDate date = period.days[static_cast<size_t>(r)];
    const QString day = t.at(r, CardField::Day);
    if (known && date.isValid() && leadingNumber(day) == date.day())
        return QStringLiteral("%1月%2日（%3）")
            .arg(date.month())
            .arg(date.day())
            .arg(CardMonth::weekdayKanji(date.dayOfWeek()));
    const QString weekday = t.at(r, CardField::Weekday);
    return day + QStringLiteral("日") +
           (weekday.isEmpty() ? QString() : QStringLiteral("（%1）").arg(weekday));
}

} // namespace

void PunchPanel::warnOpenClockIn() {
    // Once a day: while the punch day holds no punch yet.
    for (int f = CardField::ClockIn; f <= CardField::ClockOut; ++f)
        if (!m_table.at(m_row, f).isEmpty())
            return;
    const QString head = QStringLiteral("前回の出勤日、%1の退勤が打刻されていません。\n");
    if (labourrules::lastPunchedBefore(m_table, m_row) >= 0) {
        if (const int r = labourrules::openClockInBefore(m_table, m_row); r >= 0)
            m_s.dialogs.notice(
                head.arg(whenText(m_table, r, m_target.period, m_target.periodKnown)) +
                QStringLiteral("夜勤の退勤なら、日付をその日に直して退勤を打刻してください。"
                               "打刻を忘れた場合は、管理者に追加打刻を頼んでください。"));
        return;
    }
    // No day of this period was worked yet: the last one is in the card of
    // the period before, which the punch day boxes cannot reach.
    if (m_target.previousFolder.isEmpty())
        return;
    const cardfile::Read before = cardfile::read(m_s.fs, m_target.previousFolder, m_cardCode);
    if (!before.ok())
        return;
    if (const int r = labourrules::openClockInBefore(before.table, CardTable::kDayRows); r >= 0)
        m_s.dialogs.notice(
            head.arg(whenText(before.table, r, m_target.previousPeriod, m_target.periodKnown)) +
            QStringLiteral("前の期間（%1）のタイムカードです。"
                           "管理者に追加打刻を頼んでください。")
                .arg(m_target.previousFolder));
}

void PunchPanel::showDayRow() {
    m_row = findPunchRow(m_table, m_target);
    if (m_row < 0)
        return;
    for (int k = 0; k < kKinds; ++k) {
        const QString &t = m_table.at(m_row, fieldOfKind(k));
        if (!t.isEmpty())
            label(k) = {t, TimeState::Pressed};
    }
}

bool PunchPanel::rowMissing() {
    if (m_row >= 0)
        return false;
    m_s.dialogs.notice(QString::number(m_target.month) + QStringLiteral("月") +
                       QString::number(m_target.day) +
                       QStringLiteral("日の欄がこのタイムカードにありません。"
                                      "日付を確かめてください。この日には打刻できません。"));
    return true;
}

void PunchPanel::chooseKind(int k, const QString &clockText) {
    if (!m_set || k < 0 || k >= kKinds)
        return;
    if (rowMissing())
        return;
    m_kind = k;
    if (label(k).pressed())
        return;
    if (label(k).text.isEmpty())
        label(k) = {punchday::timeText(clockText), TimeState::Pending};
    for (int j = 0; j < kKinds; ++j) {
        if (j != k && !label(j).pressed())
            label(j).clear();
        m_buttonDown[static_cast<size_t>(j)] = j == k;
    }
}

void PunchPanel::unchooseKind(int k) {
    if (!m_set || k < 0 || k >= kKinds)
        return;
    m_kind = k;
    if (!label(k).pressed())
        label(k).clear();
    m_buttonDown[static_cast<size_t>(k)] = false;
}

void PunchPanel::press() {
    pressKind(m_kind);
}

void PunchPanel::pressKind(int k) {
    if (!m_set || k < 0 || k >= kKinds)
        return;
    TimeLabel &l = label(k);
    if (l.pressed() || l.text.isEmpty())
        return;
    if (rowMissing())
        return;
    m_table.at(m_row, fieldOfKind(k)) = l.text;
    l.state = TimeState::Pressed;
    m_buttonDown[static_cast<size_t>(k)] = false;
}

int PunchPanel::pendingKind() const {
    for (int k = 0; k < kKinds; ++k)
        if (m_set && timeLabel(k).pending())
            return k;
    return -1;
}

int PunchPanel::suggestedKind() const {
    if (!m_set || m_row < 0)
        return -1;
    auto punched = [this](int k) { return timeLabel(k).pressed(); };
    if (punched(3))
        return -1;
    if (!punched(0))
        return 0;
    if (punched(1) && !punched(2))
        return 2;
    return 3;
}

bool PunchPanel::returnCard(const QString &weekday) {
    if (!m_set)
        return true;
    if (m_row >= 0)
        m_table.at(m_row, CardField::Weekday) = weekday;
    // The punches go onto the card as it is now (another PC may have written
    // it since it was set), into the history first, then the card. A failure
    // of either is told plainly and leaves the card file as it was; the panel
    // is cleared all the same, so the punch clock serves the next employee.
    const cardupdate::Punched p = cardupdate::putPunches(
        m_s, history::word::dakoku, m_target.folder, m_cardCode, m_read, m_table);
    const history::Saved &saved = p.saved;
    if (saved.error == FileError::Unconfirmed)
        m_s.dialogs.notice(filefailure::unconfirmedText());
    else if (!saved.ok())
        m_s.dialogs.message(notRecordedText(saved), QStringLiteral("エラー"), BoxIcon::Critical,
                            BoxButtons::Ok);
    if (saved.ok() && !p.clashes.isEmpty())
        m_s.dialogs.notice(m_name.trimmed() + QStringLiteral(" さん：") +
                           cardupdate::clashText(p.now, p.clashes));
    m_code.clear();
    m_name.clear();
    for (int k = 0; k < kKinds; ++k) {
        label(k).clear();
        m_buttonDown[static_cast<size_t>(k)] = false;
    }
    m_set = false;
    m_kind = -1;
    m_row = -1;
    clearSelection();
    return saved.ok();
}

QString PunchPanel::notRecordedText(const history::Saved &saved) const {
    const QString who = (m_name.trimmed().isEmpty() ? m_code.trimmed() : m_name.trimmed()) +
                        QStringLiteral(" さん");
    QStringList punches;
    for (const history::Entry &e :
         history::cardChanges(m_target.folder, m_cardCode, m_read, m_table))
        punches.append(history::fieldCaption(e.field) + QLatin1Char(' ') + e.newText);
    // The history lives in the data folder, the card in its month's folder.
    const QString folder = saved.historyFailed ? QStringLiteral("データフォルダ")
                                               : QStringLiteral("タイムカードのフォルダ「") +
                                                     m_target.folder + QStringLiteral("」");
    const QString why = QStringLiteral("理由：") + filefailure::writeReason(saved.error, folder) +
                        QStringLiteral("。\n");
    if (punches.isEmpty())
        return who + QStringLiteral("のタイムカードに書き込めませんでした。\n") + why +
               QStringLiteral("新しい打刻はなかったため、失われたものはありません。");
    return who + QStringLiteral("の打刻は記録されていません。\n（") +
           punches.join(QStringLiteral("、")) + QStringLiteral("）\n") + why +
           QStringLiteral("タイムカードは元のままです。\n"
                          "原因が取り除かれてから、もう一度打刻してください。\n"
                          "管理者にも知らせてください。");
}

QString PunchPanel::retarget(const PunchTarget &target) {
    m_target.month = target.month;
    m_target.day = target.day;
    for (int k = 0; k < kKinds; ++k)
        label(k).clear();
    showDayRow();
    if (rowMissing())
        return {};
    // The weekday written on return: the row's calendar date's where the
    // settings give it, so a weekday stored wrong is not written again.
    const QDate date = m_target.period.days[static_cast<size_t>(m_row)];
    if (m_target.periodKnown && date.isValid() &&
        date.day() == leadingNumber(m_table.at(m_row, CardField::Day)))
        return CardMonth::weekdayKanji(date.dayOfWeek());
    return m_table.at(m_row, CardField::Weekday);
}
