#include "punchclock/AddPunchPanel.h"

#include "data/CardMonth.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/MonthFolders.h"
#include "data/StorableText.h"

namespace {

bool allDigits(const QString &t) {
    if (t.isEmpty())
        return false;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QStringList AddPunchPanel::weekdayChoices() {
    QStringList days;
    for (int d = 1; d <= 7; ++d)
        days.append(CardMonth::weekdayKanji(d) + QStringLiteral("曜"));
    return days;
}

QString AddPunchPanel::timeText(const QString &hour, const QString &minute) {
    const QString m = minute.trimmed();
    const bool small = allDigits(m) && m.toInt() <= 9;
    return hour.trimmed() + QLatin1Char(':') +
           (small ? QStringLiteral("%1").arg(m.toInt(), 2, 10, QLatin1Char('0')) : m);
}

void AddPunchPanel::nengetuyomikomi() {
    m_months = CardMonth::sorted(CardMonth::entries(m_s.fs), CardMonth::Order::NewestFirst);
    m_folder.clear();
    m_visible = true;
}

void AddPunchPanel::chooseMonth(const QString &folderName) {
    m_folder = folderName; // as listed: a name with blanks is another folder
    m_entries.clear();
    m_employees.clear();
    // An employee chosen in another month is not carried over.
    clearEmployee();
    unloadDay();
    if (m_s.fs.isLink(m_folder)) {
        m_s.dialogs.notice(monthfolders::linkText(m_folder));
        return;
    }
    const QStringList codes = employeeline::cardCodes(m_s.fs, m_folder);
    for (const QString &code : codes)
        if (const auto line = employeeline::ofCard(m_s.fs, m_folder, code))
            m_entries.append(*line);
    m_employees = employeeline::texts(m_entries);
    if (codes.isEmpty())
        m_s.dialogs.notice(QStringLiteral("タイムカードがありません。"));
}

void AddPunchPanel::clearEmployee() {
    m_code.clear();
    m_name.clear();
    for (TimeLabel &l : m_labels)
        l.clear();
    for (QString &b : m_boxes)
        b.clear();
    m_kind = -1;
    m_optionEnabled.fill(false);
    m_boxesEnabled = false;
    m_reason.clear();
}

void AddPunchPanel::unloadDay() {
    m_row = -1;
    m_rowDate = QDate();
    m_cardFolder.clear();
}

void AddPunchPanel::chooseEmployee(int index) {
    if (index < 0 || index >= m_entries.size())
        return;
    // The whole code: the card is found by it, never by the text shown.
    m_code = m_entries[index].code;
    m_name = m_entries[index].name;
    m_optionEnabled.fill(true);
    m_kind = -1;
    for (TimeLabel &l : m_labels)
        l.clear();
    m_boxesEnabled = true;
    for (QString &b : m_boxes)
        b.clear();
    m_reason.clear();
    unloadDay();
}

void AddPunchPanel::setBox(int b, const QString &text) {
    if (b >= 0 && b < kBoxes)
        m_boxes[static_cast<size_t>(b)] = text;
}

void AddPunchPanel::leaveDayBox() {
    const QString month = box(MonthBox).trimmed();
    const QString day = box(DayBox).trimmed();
    if (month.isEmpty() || day.isEmpty())
        return;
    unloadDay();
    const QString year = CardMonth::yearTextOf(m_folder);
    // Year and month are numbers: a month typed "04" is the folder "2007年4月",
    // as the punch clock names it. Anything else names no card.
    const bool numbers = allDigits(year) && allDigits(month) && allDigits(day);
    const CardMonth cardMonth(numbers ? year.toInt() : 0, numbers ? month.toInt() : 0);
    const QString folder = cardMonth.folderName();
    const QString code = m_code.trimmed();
    cardfile::Read read;
    read.error = FileError::NotFound;
    if (numbers)
        read = cardfile::read(m_s.fs, folder, code);
    if (read.error == FileError::Damaged) {
        // Nothing is loaded, so nothing can be added to it.
        m_s.dialogs.notice(
            cardfile::damagedText(code + QLatin1Char(' ') + m_name.trimmed(), folder));
        return;
    }
    if (!read.ok()) {
        m_s.dialogs.notice(m_name.trimmed() + QStringLiteral(" のタイムカードは見つかりません。"));
        return;
    }
    m_table = read.table;
    const int row = m_table.dayRowOf(day.toInt());
    if (row < 0) {
        m_s.dialogs.notice(month + QStringLiteral("月") + day +
                           QStringLiteral("日の欄がこのタイムカードにありません。"
                                          "日付を確かめてください。"));
        return;
    }
    for (int k = 0; k < kKinds; ++k) {
        const QString &t = m_table.at(row, fieldOfKind(k));
        if (!t.isEmpty()) {
            label(k) = {t, TimeState::Pressed};
            m_optionEnabled[static_cast<size_t>(k)] = false;
            if (m_kind == k)
                m_kind = -1;
        } else {
            label(k).clear();
            m_optionEnabled[static_cast<size_t>(k)] = true;
        }
    }
    m_row = row;
    m_cardFolder = folder;
    m_loadedMonth = month;
    m_loadedDay = day;
    // A card laid out under other settings: its day numbers decide.
    m_rowDate = cardMonth.rowDates(m_table, m_settings)[static_cast<size_t>(row)];
    // The weekday of this day, not of the day entered before; the stored one
    // where the settings no longer give the card's layout.
    const QString stored = m_table.at(row, CardField::Weekday);
    if (m_rowDate.isValid())
        m_weekday = m_rowDate.dayOfWeek() - 1;
    else if (const int i = weekdayIndexOf(stored); i >= 0)
        m_weekday = i;
    else
        m_weekday = -1;
}

int AddPunchPanel::weekdayIndexOf(const QString &kanji) {
    const QStringList days = weekdayChoices();
    for (int i = 0; i < days.size(); ++i)
        if (!kanji.isEmpty() && days[i].startsWith(kanji))
            return i;
    return -1;
}

QDate AddPunchPanel::loadedDate() const {
    if (m_row < 0 || box(MonthBox).trimmed() != m_loadedMonth ||
        box(DayBox).trimmed() != m_loadedDay)
        return {};
    return m_rowDate;
}

QString AddPunchPanel::dateText() const {
    // Only while the boxes still name the day that was loaded.
    const QDate date = loadedDate();
    if (!date.isValid())
        return {};
    return QString::number(date.year()) + QStringLiteral("年") + QString::number(date.month()) +
           QStringLiteral("月") + QString::number(date.day()) + QStringLiteral("日（") +
           CardMonth::weekdayKanji(date.dayOfWeek()) + QStringLiteral("）");
}

void AddPunchPanel::setWeekday(int index) {
    const QDate date = loadedDate();
    if (!date.isValid() || index == date.dayOfWeek() - 1) {
        m_weekday = index;
        return;
    }
    // A weekday that contradicts its own date would be written into the card.
    m_weekday = date.dayOfWeek() - 1;
    if (index >= 0)
        m_s.dialogs.notice(
            QStringLiteral("%1年%2月%3日は%4曜日です。曜日は日付のとおりに記録します。")
                .arg(date.year())
                .arg(date.month())
                .arg(date.day())
                .arg(CardMonth::weekdayKanji(date.dayOfWeek())));
}

bool AddPunchPanel::hasTime() const {
    return !box(HourBox).isEmpty() && !box(MinuteBox).isEmpty();
}

void AddPunchPanel::leaveTimeBox() {
    const QString hour = box(HourBox).trimmed();
    if (!hour.isEmpty() && (!allDigits(hour) || hour.toInt() >= 24)) {
        m_s.dialogs.notice(QStringLiteral("時刻は「0～23」で入力してください。"));
        m_boxes[HourBox].clear();
        return;
    }
    const QString minute = box(MinuteBox).trimmed();
    if (!minute.isEmpty() && (!allDigits(minute) || minute.toInt() >= 60)) {
        m_s.dialogs.notice(QStringLiteral("分は「0～59」で入力してください。"));
        m_boxes[MinuteBox].clear();
        return;
    }
    if (!hasTime() || m_kind < 0 || label(m_kind).pressed())
        return;
    label(m_kind) = {timeText(hour, minute), TimeState::Pending};
}

void AddPunchPanel::chooseKind(int k) {
    if (k < 0 || k >= kKinds || !optionEnabled(k))
        return;
    m_kind = k;
    if (!hasTime())
        return;
    label(k) = {timeText(box(HourBox), box(MinuteBox)), TimeState::Pending};
    for (int j = 0; j < kKinds; ++j)
        if (j != k && !label(j).pressed())
            label(j).clear();
}

bool AddPunchPanel::add() {
    if (m_code.isEmpty() || m_kind < 0)
        return false;
    for (const QString &b : m_boxes)
        if (b.isEmpty())
            return false;
    // Only a day that was loaded, and is still the one in the boxes, is written.
    if (m_row < 0 || box(MonthBox).trimmed() != m_loadedMonth ||
        box(DayBox).trimmed() != m_loadedDay) {
        m_s.dialogs.notice(
            QStringLiteral("タイムカードが読み込まれていません。月と日を入力し直してください。"));
        return false;
    }
    const int k = m_kind;
    if (label(k).pressed())
        return false;
    // A reason the history could not keep as typed is refused, not changed.
    if (!storable::accept(m_s.dialogs, m_reason))
        return false;
    const QString time =
        label(k).text.isEmpty() ? timeText(box(HourBox), box(MinuteBox)) : label(k).text;
    CardTable after = m_table;
    after.at(m_row, fieldOfKind(k)) = time;
    // The date's own weekday where the card's date is known; the choice only
    // where it is not (a card laid out under other settings).
    const QStringList days = weekdayChoices();
    const QDate date = loadedDate();
    after.at(m_row, CardField::Weekday) = date.isValid() ? CardMonth::weekdayKanji(date.dayOfWeek())
                                          : m_weekday >= 0 && m_weekday < days.size()
                                              ? days[m_weekday].left(1)
                                              : QString();
    // The history first, then the card; a failure of either ends the program
    // with the card as it was.
    const history::Saved saved =
        history::saveCard(m_s, history::word::tuika, m_cardFolder, m_code.trimmed(), m_table, after,
                          m_reason.trimmed());
    if (filefailure::endOnWriteFailure(m_s, saved.error, IoWording::Guidebook))
        return false;
    m_table = after;
    label(k) = {time, TimeState::Pressed};
    m_kind = -1;
    m_optionEnabled[static_cast<size_t>(k)] = false;
    // The tally stored this card's times before the punch: its sheet and the
    // payroll data tally it anew, but its confirm is the office's to repeat.
    if (const QString card = cardfile::path(m_cardFolder, m_code);
        after.confirmed() && m_confirmedTold != card) {
        m_confirmedTold = card;
        m_s.dialogs.notice(QStringLiteral("%1 %2 の%3のタイムカードは、集計で確定済みです。\n"
                                          "追加した打刻を集計に入れるため、集計画面でこの人を"
                                          "開いて、もう一度確定してください。")
                               .arg(m_code.trimmed(), m_name.trimmed(), m_cardFolder));
    }
    return true;
}

void AddPunchPanel::close() {
    m_confirmedTold.clear();
    m_folder.clear();
    m_entries.clear();
    m_employees.clear();
    clearEmployee();
    m_visible = false;
    unloadDay();
}
