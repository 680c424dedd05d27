#include "punchclock/RecorderScreen.h"

#include "data/CardMonth.h"
#include "data/FileFailure.h"
#include "data/PayPeriodKind.h"

#include <algorithm>

RecorderScreen::RecorderScreen(Services &s)
    : m_s(s), m_rack(s), m_panel(s), m_view(s), m_add(s, m_settings) {}

bool RecorderScreen::open() {
    m_s.session.screenWord = screenword::recorder;
    m_widthTwips = kWidthTwips;
    const filefailure::Load roster = filefailure::loadOrCreate(
        m_s, QLatin1String(kRosterFile), Roster::kValues, IoWording::Guidebook, rosterfile::fault);
    if (roster.ended)
        return false;
    if (roster.cleared == FileError::Damaged)
        m_s.dialogs.notice(filefailure::damagedFileText(QLatin1String(kRosterFile), roster.fault));
    m_roster = Roster::fromList(roster.read.values);
    const filefailure::Load settings = filefailure::loadOrCreate(
        m_s, QLatin1String(kSettingsFile), CalcSettings::kCount, IoWording::Guidebook);
    if (settings.ended)
        return false;
    if (settings.cleared == FileError::Damaged)
        m_s.dialogs.notice(filefailure::damagedFileText(QLatin1String(kSettingsFile)));
    m_settings = CalcSettings::fromList(settings.read.values);
    if (m_settings[CalcSettings::YearStyle].isEmpty())
        m_settings[CalcSettings::YearStyle] = storedword::seireki;
    m_touch.open(m_s);
    m_dateShown = false;
    nengetuhyouji();
    m_rack.cancelMode();
    m_rack.screenShown();
    m_panel.clearSelection();
    return true;
}

PunchDay RecorderScreen::clockDay(const QDateTime &now) const {
    return punchday::hizukehyouji(now.date(), punchday::clockText(now.time()),
                                  leadingNumber(m_settings[CalcSettings::DayChangeHour]));
}

void RecorderScreen::nengetuhyouji() {
    cardMonthOf(clockDay(m_s.clock.now()).date);
}

void RecorderScreen::cardMonthOf(const QDate &punchDate) {
    const PayPeriodKind kind = payPeriodKind(m_settings);
    m_monthDate = punchDate;
    m_periodKnown = false;
    if (kind == PayPeriodKind::Unregistered) {
        m_yearText.clear();
        m_monthText.clear();
        return;
    }
    if (kind == PayPeriodKind::Unknown || kind == PayPeriodKind::OtherUnattributed) {
        // An unknown kind names no card month: only the year is shown.
        m_yearText = daterules::yearText(punchDate.year(), m_settings);
        return;
    }
    const daterules::YearMonth m = daterules::currentCardMonth(punchDate, m_settings);
    m_cardMonth = m;
    m_yearText = daterules::yearText(m.westernYear, m_settings);
    m_monthText = QString::number(m.month);
    m_period = daterules::payPeriod(m, m_settings);
    m_periodKnown = true;
}

QString RecorderScreen::monthFolder() const {
    return CardMonth::folderName(m_yearText, m_monthText);
}

void RecorderScreen::tick() {
    // One reading of the clock, so that the date and the hour agree at midnight.
    const QDateTime now = m_s.clock.now();
    m_clockText = punchday::clockText(now.time());
    m_touch.expire(now);
    if (!m_panel.cardSet())
        m_touch.cardGone();
    else if (m_touch.idle(now))
        finishTouch(true);
    // A set card keeps the day it was set for, or the day typed for it; with
    // no card set the screen shows what a fresh start would show now.
    if (!m_dateShown || !m_panel.cardSet())
        showClockDay(now);
    lookForChanges();
}

void RecorderScreen::showClockDay(const QDateTime &now) {
    const PunchDay day = clockDay(now);
    if (!m_dateShown || day.date != m_day.date || day.monthText != m_day.monthText ||
        day.dayText != m_day.dayText || m_weekdayShown != day.weekday) {
        m_day = day;
        m_weekdayShown = day.weekday;
        ++m_dayRevision;
    }
    m_dateShown = true;
    if (day.date == m_monthDate)
        return;
    // A new punch day may begin a new card month: its cards go in the rack.
    const QString before = monthFolder();
    cardMonthOf(day.date);
    if (monthFolder() != before) {
        m_rack.screenShown();
        activated();
    }
}

void RecorderScreen::activated() {
    watchMonth(m_rack.rebuild(m_roster, monthFolder()));
    if (!m_panel.cardSet())
        return;
    // The set card keeps its line, wherever the new listing put it.
    const int index = m_rack.indexOfCode(m_panel.cardCode());
    m_panel.rackRebuilt(index);
    m_rack.select(index);
}

void RecorderScreen::close() {
    if (m_s.session.screenWord == screenword::recorder)
        m_s.session.screenWord.clear();
}

PunchTarget RecorderScreen::target() const {
    PunchTarget t;
    t.folder = monthFolder();
    t.period = m_period;
    t.periodKnown = m_periodKnown;
    t.month = leadingNumber(m_day.monthText);
    t.day = leadingNumber(m_day.dayNumber);
    if (m_periodKnown) {
        const daterules::YearMonth before =
            m_cardMonth.month > 1
                ? daterules::YearMonth{m_cardMonth.westernYear, m_cardMonth.month - 1}
                : daterules::YearMonth{m_cardMonth.westernYear - 1, 12};
        t.previousFolder = daterules::cardMonthFolder(before, m_settings);
        t.previousPeriod = daterules::payPeriod(before, m_settings);
    }
    return t;
}

void RecorderScreen::rackClicked(int index) {
    // The additional punch panel covers the rack; a line reached by the keyboard
    // must not set a card whose file the panel may be rewriting.
    if (!m_rack.enabled() || m_add.visible())
        return;
    switch (m_rack.mode()) {
    case RackMode::Punch:
        m_panel.setCard(index, m_rack.entry(index), target());
        m_rack.select(m_panel.selectedIndex());
        if (m_panel.cardSet())
            m_watch.remember(m_panel.cardPath());
        return;
    case RackMode::MonthChoice:
        if (index < 0)
            return;
        m_rack.setModeOnly(RackMode::Punch);
        m_rack.setEnabled(false);
        m_view.open(m_rack.entry(index), monthFolder(), m_yearText, m_monthText);
        return;
    case RackMode::Removal:
        if (index < 0)
            return;
        if (m_panel.cardSet()) {
            // Returning the set card afterwards would write the removed card anew.
            m_s.dialogs.notice(QStringLiteral("タイムカードを戻してから、クリックしてください。"));
            m_rack.select(-1);
            return;
        }
        m_rack.removeCard(index, m_roster, monthFolder());
        if (m_rack.mode() == RackMode::Punch)
            m_panel.clearSelection();
        return;
    }
}

bool RecorderScreen::setCardOf(const QString &code) {
    const int index = m_rack.indexOfCode(code);
    if (index < 0 || m_rack.mode() != RackMode::Punch)
        return false;
    rackClicked(index);
    return true;
}

void RecorderScreen::toolbarMonthView() {
    if (m_view.isOpen())
        return;
    m_rack.startMonthChoice();
}

void RecorderScreen::toolbarRemoval() {
    if (m_view.isOpen())
        return;
    m_rack.startRemoval();
}

void RecorderScreen::cancelMode() {
    m_rack.cancelMode();
}

void RecorderScreen::closeMonthView() {
    m_view.close();
    m_rack.cancelMode();
    m_rack.setEnabled(true);
    m_rack.select(-1);
    // A card set before the view was opened stays the set one: a click on its
    // own line still does nothing.
    if (!m_panel.cardSet())
        m_panel.clearSelection();
}

bool RecorderScreen::openAddPanel() {
    if (m_panel.cardSet()) {
        // The panel writes whole cards: a set card's pressed times must reach
        // its own file first.
        m_s.dialogs.notice(QStringLiteral("タイムカードを戻してから、追加打刻をしてください。"));
        return false;
    }
    m_add.nengetuyomikomi();
    return true;
}

QString RecorderScreen::unpressedText(int k) const {
    return kindCaption(k) + QLatin1Char(' ') + m_panel.timeLabel(k).text +
           QStringLiteral(" がまだ記録されていません。\n"
                          "記録してからカードを戻しますか？\n\n"
                          "「いいえ」：記録せずに戻します。\n"
                          "「キャンセル」：カードを戻しません。");
}

bool RecorderScreen::returnCard() {
    if (!m_panel.cardSet())
        return true;
    // A chosen time that was never pressed would be dropped without a word.
    if (const int k = m_panel.pendingKind(); k >= 0) {
        switch (m_s.dialogs.message(unpressedText(k), QStringLiteral("確認"), BoxIcon::Warning,
                                    BoxButtons::YesNoCancel)) {
        case BoxAnswer::Yes:
            m_panel.pressKind(k);
            break;
        case BoxAnswer::No:
            break;
        default:
            return false;
        }
    }
    // Written or not (then told), the panel is free for the next card.
    const bool written = m_panel.returnCard(m_weekdayShown);
    m_touch.cardGone();
    m_rack.select(-1);
    // A day typed for that card lasts only while it was set.
    showClockDay(m_s.clock.now());
    return written;
}

bool RecorderScreen::mayClose() {
    returnCard();
    return !m_panel.cardSet() || m_s.programEnd.ended();
}

void RecorderScreen::cardTouched(const QString &id) {
    if (!m_touch.on())
        return;
    const QDateTime now = m_s.clock.now();
    if (m_touch.repeated(id, now))
        return;
    using Level = TouchPunch::Level;
    if (id.isEmpty()) {
        m_touch.tell(QStringLiteral("カードを読み取れませんでした。\n"
                                    "もう一度タッチしてください。"),
                     Level::Warning, now);
        return;
    }
    const QString code = m_touch.codeOf(id);
    if (code.isEmpty()) {
        m_touch.tell(QStringLiteral("このカードは登録されていません。\n"
                                    "管理者に登録を頼んでください。"),
                     Level::Warning, now);
        return;
    }
    if (m_panel.cardSet()) {
        if (m_panel.cardCode() == code) {
            finishTouch(false);
            return;
        }
        m_touch.tell(QStringLiteral("ほかの人のカードがセット中です。\n"
                                    "戻ってからタッチしてください。"),
                     Level::Warning, now);
        return;
    }
    if (m_add.visible() || m_view.isOpen() || m_rack.mode() != RackMode::Punch ||
        !m_rack.enabled()) {
        m_touch.tell(QStringLiteral("いまはカードで打刻できません。\n"
                                    "画面を閉じてからタッチしてください。"),
                     Level::Warning, now);
        return;
    }
    if (!setCardOf(code)) {
        m_touch.tell(QStringLiteral("コード %1 のタイムカードは準備されていません。").arg(code),
                     Level::Warning, now);
        return;
    }
    if (!m_panel.cardSet())
        return;
    m_touch.setByTouch(id, m_s.clock.now());
    if (const int k = m_panel.suggestedKind(); k >= 0)
        m_panel.chooseKind(k, m_clockText);
    touchWorkedOn();
}

void RecorderScreen::touchWorkedOn() {
    if (!m_touch.setByTouch())
        return;
    m_touch.active(m_s.clock.now());
    const int k = m_panel.pendingKind();
    m_touch.tellWhileSet(k >= 0 ? QStringLiteral("もう一度タッチすると\n「%1 %2」を記録します。")
                                      .arg(kindCaption(k), m_panel.timeLabel(k).text)
                                : QStringLiteral("もう一度タッチすると\nカードを戻します。"));
}

void RecorderScreen::chooseKind(int k) {
    m_panel.chooseKind(k, m_clockText);
    touchWorkedOn();
}

void RecorderScreen::unchooseKind(int k) {
    m_panel.unchooseKind(k);
    touchWorkedOn();
}

void RecorderScreen::press() {
    m_panel.press();
    touchWorkedOn();
}

void RecorderScreen::kindKey(int k) {
    if (kindKeysActive() && k >= 0 && k < kKinds)
        chooseKind(k);
}

void RecorderScreen::finishTouch(bool byItself) {
    const int k = m_panel.pendingKind();
    QString done;
    if (k >= 0) {
        done = kindCaption(k) + QLatin1Char(' ') + m_panel.timeLabel(k).text;
        m_panel.pressKind(k);
    }
    const QString name = m_panel.nameLabel();
    // No longer the touch's while it goes back: a box about a card that
    // could not be written may stay open past the time to return itself.
    m_touch.cardGone();
    if (!returnCard())
        return; // not written: the box said so
    const QString text = done.isEmpty()
                             ? QStringLiteral("%1さん\nカードを戻しました。").arg(name)
                             : QStringLiteral("%1さん\n%2 を記録しました。").arg(name, done);
    m_touch.tell(byItself ? text + QStringLiteral("\n（自動で戻しました）") : text,
                 TouchPunch::Level::Done, m_s.clock.now());
}

bool RecorderScreen::rackClickNeedsPin() const {
    return m_touch.options().clickGuarded(m_s.session.storedPin) &&
           m_rack.mode() == RackMode::Punch && !m_panel.cardSet();
}

RecorderScreen::FirstSteps RecorderScreen::firstSteps() const {
    FirstSteps f;
    f.settings = payPeriodKind(m_settings) != PayPeriodKind::Unregistered;
    for (const Employee &e : m_roster.slots)
        if (e.inUse())
            f.roster = true;
    f.cards = !m_rack.lines().isEmpty();
    if (f.cards)
        return f;
    // An office that prepared next month ahead, or is on the first day of a
    // month not prepared yet, is no newcomer.
    const QStringList names = CardMonth::entries(m_s.fs);
    f.months = std::any_of(names.begin(), names.end(), [this](const QString &name) {
        return CardMonth::parse(name).has_value() && m_s.fs.isFolder(name);
    });
    f.missing = m_monthText.isEmpty() ? QString() : monthFolder();
    return f;
}

QString RecorderScreen::leavePunchBox(bool monthBox, const QString &text,
                                      const QString &remembered) {
    const int value = leadingNumber(text);
    if (value <= 0 || value >= (monthBox ? 13 : 32)) {
        m_s.dialogs.notice(monthBox ? QStringLiteral("正しい月を入力してください。")
                                    : QStringLiteral("正しい日を入力してください。"));
        // The day stays as it was: a refused text left in the box would be
        // refused again on every leaving, and without a card it cannot be fixed.
        return remembered;
    }
    if (text == remembered)
        return remembered;
    if (!m_panel.cardSet()) {
        m_s.dialogs.notice(
            QStringLiteral("タイムカードがセットされていないと、日付の変更はできません。"));
        return remembered;
    }
    if (monthBox) {
        m_day.monthText = text;
    } else {
        m_day.dayText = text;
        m_day.dayNumber = QString::number(value);
    }
    m_weekdayShown = m_panel.retarget(target());
    return text;
}
