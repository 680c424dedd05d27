#include "tally/TallyScreen.h"

#include "data/CardMonth.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/RecordFile.h"
#include "data/StorableText.h"
#include "tally/PayrollExport.h"
#include "tally/SuspendFiles.h"
#include "tally/TallyMonth.h"

namespace {

// The fields the administrator changes: the punches and the certified hours.
constexpr int kEditedFields[] = {
    CardField::ClockIn,     CardField::BreakOut,      CardField::BreakReturn,
    CardField::ClockOut,    CardField::CertWithin,    CardField::CertBeyond,
    CardField::CertHoliday, CardField::CertLateNight, CardField::CertLateEarly};

} // namespace

TallyScreen::TallyScreen(Services &s) : m_s(s), m_lists(s) {}

bool TallyScreen::open() {
    m_tools = {false, false, false, false, true, true};
    forgetCard();
    const records::Read settings =
        records::read(m_s.fs, QLatin1String(kSettingsFile), CalcSettings::kCount);
    if (settings.error == FileError::NotFound) {
        // Without the rounding rules no card may be tallied.
        m_s.dialogs.notice(QStringLiteral("基本設定が保存されていません。\n"
                                          "「基本設定」で設定してから集計してください。"));
        return true;
    }
    if (filefailure::endOnFatal(m_s, settings.error, IoWording::Guidebook))
        return false;
    if (settings.error == FileError::Damaged) {
        m_s.dialogs.notice(filefailure::damagedFileText(QLatin1String(kSettingsFile)));
        return true;
    }
    m_settings = CalcSettings::fromList(settings.ok() ? settings.values : QStringList());
    m_lists.fillMonths();
    if (!m_caps.load())
        return false;

    const QStringList &flags = m_s.session.suspendFlags;
    if (flags.value(suspendfiles::Suspended) != suspendfiles::suspendedWord())
        return true;
    const QString folder = flags.value(suspendfiles::MonthFolder);
    if (!tallymonth::isSafeFolder(folder)) {
        m_s.dialogs.notice(tallymonth::unsafeFolderText(folder));
        return true;
    }
    const suspendfiles::ListRead list =
        suspendfiles::readList(m_s.fs, leadingNumber(flags.value(suspendfiles::ListCount)));
    if (filefailure::endOnFatal(m_s, list.error, IoWording::Guidebook))
        return false;
    if (list.error == FileError::Damaged)
        m_s.dialogs.notice(filefailure::damagedFileText(QLatin1String(suspendfiles::kListFile)));
    if (list.error != FileError::None)
        return true; // the restore ends; a missing file ends it quietly
    m_lists.restore(folder, list.entries);
    m_caps.chooseMonth(folder, m_lists.months(), m_lists.entries());
    setTools(ConfirmTool, SuspendTool, true);
    m_lists.setMonthListEnabled(false);
    return true;
}

void TallyScreen::forgetCard() {
    m_table = CardTable();
    m_saved = m_table;
    m_code.clear();
    m_listPosition = -1;
    m_newlyOpened = false;
    m_grid.reset();
    m_grid.setDates({});
    m_tally = tally::TallyResult();
    m_reasons.clear();
}

void TallyScreen::setTools(int first, int last, bool on) {
    for (int t = first; t <= last; ++t)
        m_tools[static_cast<size_t>(t - 1)] = on;
}

void TallyScreen::lock() {
    m_lists.setStaffListEnabled(false);
    m_lists.setMonthListEnabled(false);
    setTools(CorrectTool, CloseTool, false);
}

void TallyScreen::unlock() {
    m_lists.setStaffListEnabled(true);
    m_lists.setMonthListEnabled(true);
    setTools(CorrectTool, CloseTool, true);
}

void TallyScreen::lockWhilePending() {
    if (pendingChanges())
        lock();
}

bool TallyScreen::pendingChanges() const {
    if (m_listPosition < 0)
        return false;
    for (int r = 0; r < CardTable::kDayRows; ++r)
        for (const int f : kEditedFields)
            if (m_table.at(r, f) != m_saved.at(r, f))
                return true;
    return false;
}

TallyScreen::Focus TallyScreen::takeFocus() {
    const Focus f = m_focus;
    m_focus = Focus();
    return f;
}

void TallyScreen::chooseMonth(const QString &folderText) {
    if (!m_lists.monthListEnabled())
        return;
    // The card of another month is no longer the one shown.
    forgetCard();
    setTools(ConfirmTool, SuspendTool, m_lists.chooseMonth(folderText) > 0);
    m_caps.chooseMonth(m_lists.folder(), m_lists.months(), m_lists.entries());
}

void TallyScreen::chooseEmployee(int index) {
    if (!m_lists.staffListEnabled() || index < 0 || index >= m_lists.count())
        return;
    openCard(index);
}

bool TallyScreen::openCard(int index) {
    const EmployeeLine entry = m_lists.entry(index);
    const QString code = entry.code.trimmed();
    cardfile::Read read = cardfile::read(m_s.fs, m_lists.folder(), code);
    if (!read.ok()) {
        // The employee open before stays the open one. A damaged card is never
        // opened: the confirm would save it as it reads.
        m_s.dialogs.notice(read.error == FileError::Damaged
                               ? cardfile::damagedText(employeeline::text(entry), m_lists.folder())
                               : QStringLiteral("データが保存されていません。"));
        m_lists.select(m_listPosition);
        return false;
    }
    m_listPosition = index;
    m_newlyOpened = !entry.marked;
    m_lists.select(index);
    m_table = std::move(read.table);
    m_saved = m_table;
    m_reasons.clear();
    m_code = code;
    m_grid.reset();
    m_grid.setDates(
        CardMonth::parse(m_lists.folder()).value_or(CardMonth()).rowDates(m_table, m_settings));
    m_tally = tally::jidousyuukei(m_table, m_settings);
    datin(true);
    return true;
}

void TallyScreen::datin(bool opening) {
    lock();
    m_focus = {Focus::Box, 0};
    // A click in a box keeps the days shown: the box clicked is the one typed in.
    if (opening)
        m_grid.scrollTo(0);
    if (m_newlyOpened) {
        // Marked "◆" in the list. The card just read and tallied is what
        // reading it again would give: it stays the open one.
        m_lists.markAt(m_listPosition);
        m_newlyOpened = false;
        m_lists.select(m_listPosition);
    }
    m_focus = {Focus::Box, m_grid.currentBox()};
}

bool TallyScreen::guarded() const {
    if (m_listPosition < 0)
        return false;
    return m_lists.entry(m_lists.selected()).marked || m_newlyOpened;
}

void TallyScreen::boxClicked(int box) {
    if (!guarded()) {
        m_s.dialogs.notice(
            QStringLiteral("データの入力は、対象者を選択してから行なってください。"));
        m_focus = {Focus::CardArea, 0};
        return;
    }
    if (box <= CertifiedGrid::kLastBox) {
        m_grid.setCurrentBox(box);
        datin(false);
    }
}

std::optional<QString> TallyScreen::boxEntered(int box) {
    if (!guarded() || box > CertifiedGrid::kLastBox)
        return std::nullopt;
    return m_grid.enter(box);
}

std::optional<QString> TallyScreen::boxLeft(int box, const QString &text) {
    if (!guarded())
        return std::nullopt;
    if (CorrectionPanel::isPanelBox(box))
        return m_correction.leave(box, text);
    const QString shown = m_grid.leave(box, text);
    lockWhilePending();
    return shown;
}

void TallyScreen::enterKey(int box, const QString &text) {
    if (!guarded())
        return;
    if (CorrectionPanel::isPanelBox(box)) {
        m_correction.leave(box, text);
        // From the last punch box to the optional reason, and from there on.
        m_focus = box == CorrectionPanel::kLastBox ? Focus{Focus::CorrectionReason, 0}
                                                   : Focus{Focus::Box, box + 1};
        return;
    }
    m_grid.leave(box, text);
    lockWhilePending();
    const CertifiedGrid::Move move = m_grid.enterKey(box);
    if (move.kind == CertifiedGrid::Move::Box) {
        m_focus = {Focus::Box, move.box};
        return;
    }
    kakutei();
    m_focus = {Focus::CardArea, 0};
}

void TallyScreen::scroll(int firstShownDay) {
    m_grid.scrollTo(firstShownDay);
}

bool TallyScreen::failed(FileError e, const QString &text) {
    if (filefailure::endOnFatal(m_s, e, IoWording::Guidebook))
        return true;
    m_s.dialogs.notice(text);
    return false;
}

void TallyScreen::warnUnconfirmed(FileError e) {
    if (e == FileError::Unconfirmed)
        m_s.dialogs.notice(filefailure::unconfirmedText());
}

bool TallyScreen::kakutei() {
    if (m_listPosition < 0)
        return false;
    // The punches changed since the card was stored go into the change history
    // first, each with its day's reason; the card is written only after them.
    const history::Saved saved = history::saveCard(m_s, history::word::kakutei, m_lists.folder(),
                                                   m_code, m_saved, m_table, m_reasons);
    warnUnconfirmed(saved.error);
    if (!saved.ok()) {
        const QString what = saved.historyFailed
                                 ? QStringLiteral("変更履歴（%1）を保存できなかったため、"
                                                  "タイムカードも保存していません。\n")
                                       .arg(QLatin1String(history::kFileName))
                                 : QStringLiteral("タイムカード（%1）を保存できませんでした。\n")
                                       .arg(cardfile::path(m_lists.folder(), m_code));
        failed(saved.error,
               what +
                   QStringLiteral("入力した内容は画面に残っています。"
                                  "書き込みできるか確かめてから、もう一度「確定」してください。"));
        return false;
    }
    m_reasons.clear();
    m_saved = m_table;
    m_caps.stored(m_code, m_table);
    unlock();
    return true;
}

void TallyScreen::toolConfirm() {
    if (!toolEnabled(ConfirmTool) || m_listPosition < 0)
        return;
    kakutei();
    m_focus = {Focus::CardArea, 0};
}

void TallyScreen::toolCorrect() {
    if (!toolEnabled(CorrectTool) || m_listPosition < 0)
        return;
    m_correction.open();
    m_overlay = Overlay::Correction;
    setTools(ConfirmTool, CloseTool, false);
    m_focus = {Focus::Box, CorrectionPanel::kFirstBox};
}

QString TallyScreen::correctionLockText() const {
    if (toolEnabled(CorrectTool) && m_listPosition >= 0)
        return QString();
    switch (m_overlay) {
    case Overlay::Correction:
        return QString();
    case Overlay::Print:
        return QStringLiteral("印刷の画面を閉じてから訂正・追加できます。");
    case Overlay::History:
        return QStringLiteral("履歴を閉じてから訂正・追加できます。");
    case Overlay::None:
        break;
    }
    if (m_listPosition < 0)
        return m_lists.count() > 0 ? QStringLiteral("対象者を選んでから訂正・追加できます。")
                                   : QString();
    // The card opened is locked until it is stored.
    return QStringLiteral("確定してから訂正・追加できます。");
}

void TallyScreen::executeCorrection() {
    if (m_overlay != Overlay::Correction)
        return;
    // A reason the history could not keep as typed is refused, not changed.
    if (!storable::accept(m_s.dialogs, m_correction.reason())) {
        m_focus = {Focus::CorrectionReason, 0};
        return;
    }
    const CorrectionPanel::Outcome o = m_correction.apply(m_table, m_s.dialogs);
    switch (o.kind) {
    case CorrectionPanel::Outcome::NoItems:
        m_tools[ConfirmTool - 1] = true;
        return;
    case CorrectionPanel::Outcome::Stopped:
        if (o.focusBox >= 0)
            m_focus = {Focus::Box, o.focusBox};
        return;
    case CorrectionPanel::Outcome::Applied:
        break;
    }
    // A day corrected again without a reason keeps the one given before.
    if (const QString why = m_correction.reason().trimmed(); !why.isEmpty())
        m_reasons.insert(o.row, why);
    m_tally = tally::jidousyuukei(m_table, m_settings);
    kakutei();
    if (m_s.programEnd.ended())
        return;
    setTools(ConfirmTool, CloseTool, true);
    m_overlay = Overlay::None;
    lockWhilePending();
    m_focus = {Focus::CardArea, 0};
}

void TallyScreen::closeCorrection() {
    if (m_overlay == Overlay::Correction)
        m_overlay = Overlay::None;
    setTools(ConfirmTool, CloseTool, true);
    lockWhilePending();
    m_focus = {Focus::CardArea, 0};
}

void TallyScreen::toolPrint() {
    if (!toolEnabled(PrintTool))
        return;
    m_overlay = Overlay::Print;
    setTools(ConfirmTool, CloseTool, false);
    m_lists.setMonthListEnabled(false);
    m_lists.setStaffListEnabled(false);
    m_focus = {Focus::PrintPanel, 0};
}

void TallyScreen::toolExport(ExportChooser &chooser) {
    if (!toolEnabled(ExportTool))
        return;
    PayrollExport(m_s).run(
        {m_lists.entries(), m_lists.folder(), m_settings, pendingChanges() ? m_code : QString()},
        chooser);
}

void TallyScreen::closePrint() {
    if (m_overlay != Overlay::Print)
        return;
    m_overlay = Overlay::None;
    setTools(ConfirmTool, CloseTool, true);
    m_lists.setMonthListEnabled(true);
    m_lists.setStaffListEnabled(true);
    // Hours typed in the card area meanwhile keep the lists locked.
    lockWhilePending();
    m_focus = {Focus::StaffList, 0};
}

void TallyScreen::closeGuide() {
    m_guideOpen = false;
    m_focus = {Focus::CardArea, 0};
}

void TallyScreen::confirmAndNext() {
    if (m_listPosition < 0 || m_overlay != Overlay::None || !kakutei())
        return;
    const int next = m_lists.nextUnmarked(m_listPosition);
    if (next < 0) {
        m_s.dialogs.notice(QStringLiteral("この月の対象者は、すべて選択済み（◆）です。"));
        m_focus = {Focus::StaffList, 0};
        return;
    }
    chooseEmployee(next);
}

bool TallyScreen::settlePending(const QString &going) {
    if (!pendingChanges())
        return true;
    const BoxAnswer a =
        m_s.dialogs.message(QStringLiteral("確定していない入力があります。確定してから%1か。\n\n"
                                           "「はい」　　　確定してから%1\n"
                                           "「いいえ」　　入力を取り消して%1\n"
                                           "「キャンセル」集計画面に戻ります")
                                .arg(going),
                            QStringLiteral("確認"), BoxIcon::Question, BoxButtons::YesNoCancel);
    if (a == BoxAnswer::Yes)
        return kakutei();
    if (a != BoxAnswer::No)
        return false;
    m_table = m_saved;
    m_reasons.clear();
    m_tally = tally::jidousyuukei(m_table, m_settings);
    unlock();
    return true;
}

bool TallyScreen::toolSuspend() {
    if (!toolEnabled(SuspendTool))
        return false;
    if (m_listPosition < 0) {
        // Nothing was opened: a suspended tally from before stays as it was.
        m_s.programEnd.endProgram();
        return true;
    }
    if (!settlePending(QStringLiteral("中断します")))
        return m_s.programEnd.ended();
    // The suspend ends the program: the question says so, and can still be
    // taken back.
    const BoxAnswer answer =
        m_s.dialogs.message(QStringLiteral("集計作業を中断して、プログラムを終了します。\n"
                                           "次回起動時に、即「集計画面」を開きますか。"),
                            QStringLiteral("確認"), BoxIcon::Warning, BoxButtons::YesNoCancel);
    if (answer == BoxAnswer::Cancel)
        return false;
    const bool atStart = answer == BoxAnswer::Yes;
    const QStringList flags = {suspendfiles::suspendedWord(), QString::number(m_lists.count()),
                               atStart ? suspendfiles::openAtStartWord() : QString(),
                               m_lists.folder()};
    // The list goes first: the flag file is what makes it a suspended tally.
    const QString notSaved = QStringLiteral("中断の記録（%1）を保存できませんでした。\n"
                                            "集計作業は中断されていません。");
    FileError e = suspendfiles::writeList(m_s.fs, m_lists.entries());
    if (!isSaved(e))
        return failed(e, notSaved.arg(QLatin1String(suspendfiles::kListFile)));
    const FileError list = e;
    e = suspendfiles::writeFlags(m_s.fs, flags);
    if (!isSaved(e))
        return failed(e, notSaved.arg(QLatin1String(suspendfiles::kFlagsFile)));
    warnUnconfirmed(list == FileError::Unconfirmed ? list : e);
    m_s.session.suspendFlags = flags;
    m_s.programEnd.endProgram();
    return true;
}

bool TallyScreen::settleBeforeClose() {
    return settlePending(QStringLiteral("閉じます"));
}

bool TallyScreen::close() {
    clearFlags();
    return !m_s.programEnd.ended();
}

void TallyScreen::clearFlags() {
    m_s.session.suspendFlags = QStringList(suspendfiles::kFlagCount, QString());
    const FileError e = suspendfiles::writeFlags(m_s.fs, m_s.session.suspendFlags);
    warnUnconfirmed(e);
    if (!isSaved(e))
        failed(e, QStringLiteral("中断の記録（%1）を消せませんでした。\n"
                                 "次回の起動時に、中断した集計が開くことがあります。")
                      .arg(QLatin1String(suspendfiles::kFlagsFile)));
}

bool TallyScreen::historyToolEnabled() const {
    return m_listPosition >= 0 && m_overlay == Overlay::None;
}

void TallyScreen::toolHistory() {
    if (!historyToolEnabled())
        return;
    const FileError e = m_history.load(m_s.fs, m_lists.folder(), m_code, m_saved);
    if (filefailure::endOnFatal(m_s, e, IoWording::Guidebook))
        return;
    if (e != FileError::None)
        m_s.dialogs.notice(QStringLiteral("変更履歴（%1）を最後まで読めませんでした。\n"
                                          "読めたところまでを表示します。")
                               .arg(QLatin1String(history::kFileName)));
    m_beforeHistory = {m_tools, m_lists.staffListEnabled(), m_lists.monthListEnabled()};
    m_overlay = Overlay::History;
    setTools(ConfirmTool, CloseTool, false);
    m_lists.setStaffListEnabled(false);
    m_lists.setMonthListEnabled(false);
    m_focus = {Focus::HistoryPanel, 0};
}

void TallyScreen::closeHistory() {
    if (m_overlay != Overlay::History)
        return;
    m_overlay = Overlay::None;
    m_tools = m_beforeHistory.tools;
    m_lists.setStaffListEnabled(m_beforeHistory.staff);
    m_lists.setMonthListEnabled(m_beforeHistory.months);
    m_history.clear();
    m_focus = {Focus::CardArea, 0};
}
