#include "data/RosterScreen.h"

#include "data/CardTable.h"
#include "data/CardUpdate.h"
#include "data/ChangeMerge.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/StorableText.h"

#include <QMap>
#include <algorithm>
#include <vector>

namespace {

const QString kMark = QStringLiteral("*");

QString rosterFile() {
    return QString::fromLatin1(kRosterFile);
}

} // namespace

RosterScreen::RosterScreen(Services &s) : m_s(s) {}

bool RosterScreen::open() {
    const filefailure::Load load = filefailure::loadOrCreate(
        m_s, rosterFile(), Roster::kValues, IoWording::Guidebook, rosterfile::fault);
    if (load.ended)
        return false;
    m_roster = Roster::fromList(load.read.values);
    m_stored = load.read.values;
    m_top = 0;
    m_loaded = true;
    // A damaged roster shows what could be read and is replaced only when the
    // user says so; a file that could not be read at all is never overwritten
    // by the empty roster that took its place.
    m_damaged = load.cleared == FileError::Damaged;
    if (m_damaged)
        for (Employee &e : m_roster.slots) {
            // Only what could be saved again is shown: a saved repair must
            // read back whole.
            for (QString *v : {&e.code, &e.name, &e.payType})
                if (!storable::holds(*v))
                    v->clear();
            if (e.mark != kMark)
                e.mark.clear();
        }
    m_asRead = m_roster;
    m_unreadable = load.unreadable() && !m_damaged;
    if (m_damaged)
        m_s.dialogs.notice(filefailure::damagedFileText(rosterFile(), load.fault) +
                           QStringLiteral("\n読めた部分だけを表示しています。名簿を直して閉じると、"
                                          "この名簿で置き換えるかどうかをお聞きします。"));
    else if (m_unreadable)
        m_s.dialogs.notice(QStringLiteral("従業員名簿（Meibo.Dat）を読み込めませんでした。"
                                          "この画面での変更は保存されません。"));
    return true;
}

void RosterScreen::setTop(int top) {
    m_top = std::clamp(top, 0, kMaxTop);
}

bool RosterScreen::greyed(int row) const {
    return rowEmployee(row).mark == kMark;
}

int RosterScreen::maxLength(int box) {
    if (box % 2 == 1)
        return 15;
    return box == 0 ? 3 : 5;
}

QString RosterScreen::enterBox(int box) {
    m_editSlot = slotOf(box / 2);
    m_editField = box % 2;
    const Employee &e = m_roster[m_editSlot];
    return m_editField == 0 ? e.code : e.name;
}

RosterScreen::Leave RosterScreen::leaveBox(int box, const QString &text) {
    // The slot the box was entered for: scrolling meanwhile does not move it.
    const int slot = m_editSlot >= 0 ? m_editSlot : slotOf(box / 2);
    const int field = m_editSlot >= 0 ? m_editField : box % 2;
    m_editSlot = -1;
    Employee &e = m_roster[slot];
    if (field == 1) {
        // A text left as it was is no new entry: a stored value the rules
        // refuse today must not hold the focus in its box for ever.
        if (text != e.name && !storable::accept(m_s.dialogs, text))
            return Leave::Refused;
        e.name = text;
        return Leave::Stored;
    }
    if (text != e.code && !text.trimmed().isEmpty() && !cardfile::isSafeCode(text)) {
        m_s.dialogs.notice(cardfile::unsafeCodeText(text));
        return Leave::Refused;
    }
    const bool changed = text != e.code;
    e.code = text;
    if (changed && !text.trimmed().isEmpty()) {
        const int other = otherSlotWithCode(text, slot);
        if (other >= 0) {
            const QString name = m_roster[other].name;
            m_s.dialogs.notice(
                QStringLiteral("従業員コード「") + text.trimmed() + QStringLiteral("」は名簿の") +
                QString::number(other + 1) + QStringLiteral("番目") +
                (name.isEmpty() ? QString() : QStringLiteral("（") + name + QStringLiteral("）")) +
                QStringLiteral("にも登録されています。同じコードの従業員はタイムカードを共有"
                               "してしまいます。"));
        }
    }
    return Leave::Stored;
}

RosterFocus RosterScreen::enterKey(int box) {
    const int row = box / 2;
    if (box % 2 == 0)
        return {RosterFocus::NameBox, row};
    return showChooser(row);
}

QStringList RosterScreen::payTypes() {
    return {QStringLiteral("月給"), QStringLiteral("日給"), QStringLiteral("時給"), QString()};
}

RosterFocus RosterScreen::showChooser(int row) {
    m_chooserSlot = slotOf(row);
    return {RosterFocus::Chooser, row};
}

QString RosterScreen::chooserText() const {
    return chooserShown() ? m_roster[m_chooserSlot].payType : QString();
}

void RosterScreen::leaveChooser(const QString &text) {
    if (!chooserShown())
        return;
    const int slot = m_chooserSlot;
    m_chooserSlot = -1;
    if (text == m_roster[slot].payType || storable::accept(m_s.dialogs, text))
        m_roster[slot].payType = text;
}

RosterFocus RosterScreen::chooserEnter(const QString &text) {
    if (!chooserShown())
        return {};
    const int row = chooserRow();
    leaveChooser(text);
    if (row < kRows - 1)
        return {RosterFocus::CodeBox, row + 1};
    if (m_top < kMaxTop) {
        ++m_top;
        return {RosterFocus::CodeBox, kRows - 1};
    }
    m_s.dialogs.info(QStringLiteral("これ以上は登録できません。"));
    return {RosterFocus::OffGrid, 0};
}

void RosterScreen::toggleMark(int row) {
    if (chooserShown())
        return;
    Employee &e = m_roster[slotOf(row)];
    e.mark = e.mark == kMark ? QString() : kMark;
}

bool RosterScreen::deleteMarked() {
    const auto marked = std::count_if(m_roster.slots.begin(), m_roster.slots.end(),
                                      [](const Employee &e) { return e.mark == kMark; });
    if (marked == 0)
        return false;
    if (!m_s.dialogs.confirm(QStringLiteral("名簿から ") + QString::number(marked) +
                             QStringLiteral(" 名削除します。")))
        return false;
    Roster packed;
    int next = 0;
    for (const Employee &e : m_roster.slots) {
        if (e.mark == kMark)
            continue;
        packed[next++] = Employee{e.code, e.name, e.payType, QString()};
    }
    m_roster = packed;
    m_top = 0;
    return true;
}

bool RosterScreen::soot() {
    if (!m_s.dialogs.confirm(QStringLiteral("コード番号順に並び替えます。")))
        return false;
    std::vector<Employee> kept;
    for (const Employee &e : m_roster.slots)
        if (leadingNumber(e.code) > 0)
            kept.push_back(Employee{e.code, e.name, e.payType, QString()});
    std::stable_sort(kept.begin(), kept.end(), [](const Employee &a, const Employee &b) {
        return leadingNumber(a.code) < leadingNumber(b.code);
    });
    Roster sorted;
    std::copy(kept.begin(), kept.end(), sorted.slots.begin());
    m_roster = sorted;
    m_top = 0;
    m_editSlot = -1;
    m_chooserSlot = -1;
    return true;
}

bool RosterScreen::adoptImport(const Roster &roster) {
    m_roster = roster;
    m_top = 0;
    m_editSlot = -1;
    m_chooserSlot = -1;
    return dhozon(history::word::torikomi);
}

int RosterScreen::otherSlotWithCode(const QString &code, int slot) const {
    const QString c = code.trimmed();
    for (int i = 0; i < Roster::kSlots; ++i)
        if (i != slot && m_roster[i].code.trimmed() == c)
            return i;
    return -1;
}

QString RosterScreen::codeWarnings() const {
    QMap<QString, QStringList> byCode; // trimmed code -> names, in slot order
    QStringList unsafe;
    for (const Employee &e : m_roster.slots) {
        if (!e.inUse())
            continue;
        const QString c = e.code.trimmed();
        if (!cardfile::isSafeCode(c))
            unsafe.append(e.code);
        else
            byCode[c].append(e.name);
    }
    QStringList lines;
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it)
        if (it.value().size() > 1)
            lines.append(QStringLiteral("・コード「") + it.key() + QStringLiteral("」が") +
                         QString::number(it.value().size()) + QStringLiteral("名に重複（") +
                         it.value().join(QStringLiteral("、")) + QStringLiteral("）"));
    for (const QString &c : unsafe)
        lines.append(QStringLiteral("・コード「") + c +
                     QStringLiteral("」はファイル名に使えない"
                                    "文字を含みます"));
    if (lines.isEmpty())
        return {};
    return QStringLiteral("従業員コードに次の問題があります。このままではタイムカードが正しく"
                          "準備されません。\n") +
           lines.join(QLatin1Char('\n'));
}

bool RosterScreen::replaceDamaged() {
    if (m_s.dialogs.message(
            QStringLiteral("従業員名簿（Meibo.Dat）は壊れているため、書き換えずに残してあります。"
                           "\nこの画面の名簿で置き換えますか？\n\n"
                           "「はい」：元のファイルを別の名前で残してから、この名簿を保存します。\n"
                           "「いいえ」：保存しません（この画面での変更は失われます）。"),
            QStringLiteral("確認"), BoxIcon::Warning, BoxButtons::YesNo) != BoxAnswer::Yes)
        return false;
    // The damaged bytes stay beside it: whatever they still hold is not lost.
    const QString kept = QStringLiteral("Meibo_damaged_") +
                         m_s.clock.now().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                         QStringLiteral(".Dat");
    const ReadResult old = m_s.fs.readFile(rosterFile());
    const FileError e = old.ok() ? m_s.fs.replaceFile(kept, old.bytes) : old.error;
    if (!isSaved(e) && e != FileError::NotFound) {
        m_s.dialogs.notice(QStringLiteral("壊れた名簿を「") + kept +
                           QStringLiteral("」として残せなかったため、名簿は保存していません（") +
                           filefailure::reason(e) + QStringLiteral("）。"));
        return false;
    }
    if (old.ok())
        m_s.dialogs.notice(QStringLiteral("元の名簿を「") + kept +
                           QStringLiteral("」として残しました。"));
    m_damaged = false;
    return true;
}

FileError RosterScreen::writeOntoCurrent(QLatin1String function, QString &told) {
    // Another PC may have saved the roster since this screen read it: the
    // rows changed here go onto the roster as it is now, under its lock and
    // the history's (no other PC records between this history group and the
    // roster it describes).
    const cardupdate::Locks locks = cardupdate::lockFile(m_s.fs, rosterFile());
    if (locks.error() != FileError::None)
        return locks.error();
    Roster toSave = m_roster;
    QStringList before = m_stored;
    const rosterfile::Read now = rosterfile::read(m_s.fs);
    if (now.ok() && now.roster.toList() != m_asRead.toList()) {
        before = now.roster.toList();
        const changemerge::RosterMerge merged = changemerge::roster(m_asRead, m_roster, now.roster);
        toSave = merged.roster;
        told = QStringLiteral(
            "従業員名簿は、この画面を開いた後にほかのパソコンで変更されていました。"
            "この画面で変えた行をその名簿に書き込み、ほかの変更はそのまま残しました。");
        if (!merged.dropped.isEmpty())
            told += QStringLiteral("\n空きがないため、次の従業員は名簿から外れました：\n") +
                    merged.dropped.join(QLatin1Char('\n'));
    }
    // Each value that changed goes into the change history first.
    const QStringList values = toSave.toList();
    const history::Saved saved = history::saveValues(m_s, function, rosterFile(), before, values);
    if (saved.ok()) {
        m_roster = toSave;
        m_asRead = toSave;
        m_stored = values;
    }
    return saved.error;
}

bool RosterScreen::dhozon(QLatin1String function) {
    if (m_damaged && !replaceDamaged())
        return true;
    QString told;
    const FileError e =
        filefailure::saveAskingAgain(m_s, QStringLiteral("従業員名簿（Meibo.Dat）"),
                                     [&] { return writeOntoCurrent(function, told); });
    if (!told.isEmpty())
        m_s.dialogs.notice(told);
    if (filefailure::transient(e))
        return true;
    if (filefailure::endOnWriteFailure(m_s, e, IoWording::Guidebook))
        return false;
    m_unreadable = false;
    return true;
}

bool RosterScreen::close() {
    // A roster that was never read, or a program already ending, must not
    // overwrite the file with what the screen happens to hold.
    if (!m_loaded || m_s.programEnd.ended())
        return false;
    if (m_unreadable)
        return true;
    // A damaged roster closed as it was read stays as it is, without a question.
    if (m_damaged && m_roster.toList() == m_asRead.toList())
        return true;
    const QString warnings = codeWarnings();
    if (!warnings.isEmpty())
        m_s.dialogs.notice(warnings);
    return dhozon();
}
