#include "data/HistoryReplay.h"

#include "data/CalcSettings.h"
#include "data/CardMonth.h"
#include "data/MonthFolders.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

#include <algorithm>

namespace history {

namespace {

constexpr int kDayFields = 11; // fields 2-12 of a day row

bool isSettings(const QString &file) {
    return file == QLatin1String(kSettingsFile);
}

bool isRoster(const QString &file) {
    return file == QLatin1String(kRosterFile);
}

bool removes(const QString &function) {
    return function == word::seiri || function == word::kaadosakujo;
}

// Records that explain a whole card as it is.
bool establishes(const QString &function) {
    return function == word::kiten || function == word::junbi;
}

// The code a card file names.
QString codeOfFile(const QString &name) {
    return name.left(name.size() - QLatin1String(cardfile::kSuffix).size());
}

const Entry *notMadeAt(const QList<Entry> &notMade, const QString &file, const QString &code,
                       int row, int field) {
    for (const Entry &e : notMade)
        if (e.month == file && e.code.trimmed() == code && e.row == row && e.field == field)
            return &e;
    return nullptr;
}

} // namespace

int trackedIndex(int row, int field) {
    if (row >= 0 && row < CardTable::kDayRows && field >= CardField::ClockIn &&
        field <= CardField::CertLateEarly)
        return row * kDayFields + field - CardField::ClockIn;
    if (row == CardTable::kTotalsRow && field >= CardField::DaysWorked &&
        field <= CardField::CertLateEarly)
        return CardTable::kDayRows * kDayFields + field - CardField::DaysWorked;
    if (row == 0 && (field == CardField::Name || field == CardField::PayType))
        return kTracked - 2 + field - CardField::Name;
    return -1;
}

void Replay::take(const Record &r) {
    const QString &file = r.entry.month;
    if (isSettings(file) || isRoster(file)) {
        Values &v = isSettings(file) ? m_settings : m_roster;
        v.covered = true;
        const int count = isSettings(file) ? CalcSettings::kCount : Roster::kFields;
        const int slot = isSettings(file) ? 0 : r.entry.row;
        if (r.entry.field >= 0 && r.entry.field < count && slot >= 0 && slot < Roster::kSlots)
            v.values.insert(slot * count + r.entry.field, r.entry.newText);
        return;
    }
    if (isCardMonth(file))
        takeCard(r);
}

Replay::Month &Replay::month(const QString &name) {
    if (!m_month || name != m_lastMonth) {
        m_month = &m_months[name];
        m_lastMonth = name;
        m_card = nullptr;
    }
    return *m_month;
}

Replay::Card &Replay::card(Month &m, const QString &code) {
    if (!m_card || code != m_lastCode) {
        // A code as the card's file names it (writers pass it trimmed already).
        const bool blanks = code.front().isSpace() || code.back().isSpace();
        m_card = &m.cards[blanks ? code.trimmed() : code];
        m_lastCode = code;
    }
    return *m_card;
}

void Replay::takeCard(const Record &r) {
    const Entry &e = r.entry;
    Month &m = month(e.month);
    if (e.code.isEmpty()) {
        m.covered = m.covered || establishes(r.function);
        return;
    }
    Card &c = card(m, e.code);
    c.known = true;
    const bool whole = e.row < 0 && e.field < 0;
    if (establishes(r.function)) {
        // A baseline or a preparation explains the card from scratch: once
        // for its group.
        const qint64 group = r.number - r.part + 1;
        if (c.resetGroup != group)
            c.cells.clear();
        c.resetGroup = group;
        c.covered = m.covered = true;
    }
    if (whole && r.function == word::hukugen && !e.newText.isEmpty())
        c.covered = m.covered = true;
    if (whole || removes(r.function)) {
        c.exists = whole ? !e.newText.isEmpty() : false;
        if (!c.exists) {
            c.cells.clear();
            return;
        }
    }
    if (whole)
        return;
    const int i = trackedIndex(e.row, e.field);
    if (i < 0)
        return;
    if (c.cells.empty())
        c.cells.resize(kTracked);
    c.cells[static_cast<size_t>(i)] = e.newText;
    // A change into a card says it is there; a "torikesi" only what stayed.
    if (r.function != word::torikesi)
        c.exists = true;
}

bool Replay::covers(const QString &month, const QString &code) const {
    const auto m = m_months.find(month);
    if (m == m_months.end())
        return false;
    const auto c = m->second.cards.find(code);
    return c != m->second.cards.end() && c->second.covered;
}

void Replay::compareCard(const QString &month, const QString &code, const Card &c,
                         const CardTable &card, QList<Finding> &out) const {
    for (int row = 0; row < CardTable::kRows; ++row)
        for (int field = 0; field < CardTable::kFields; ++field) {
            const int i = trackedIndex(row, field);
            if (i < 0)
                continue;
            const QString said = c.cells.empty() ? QString() : c.cells[static_cast<size_t>(i)];
            if (card.at(row, field) == said)
                continue;
            out.append({Finding::Kind::Changed, month, code, card.name(), row,
                        row < CardTable::kDayRows ? card.at(row, CardField::Day) : QString(), field,
                        card.at(row, field), said});
        }
}

QList<Finding> Replay::compareCard(const QString &month, const QString &code,
                                   const CardTable &card) const {
    QList<Finding> out;
    const Card none;
    const Card *c = &none;
    if (const auto m = m_months.find(month); m != m_months.end())
        if (const auto it = m->second.cards.find(code); it != m->second.cards.end())
            c = &it->second;
    if (!c->covered) {
        out.append({Finding::Kind::NotCovered, month, code, card.name()});
        return out;
    }
    compareCard(month, code, *c, card, out);
    return out;
}

void Replay::compareValues(FileSystem &fs, const QString &file, const Values &v,
                           QList<Finding> &out) const {
    const bool settings = isSettings(file);
    const int count = settings ? CalcSettings::kCount : Roster::kValues;
    const records::Read read = records::read(fs, file, count);
    if (read.error == FileError::NotFound && v.values.isEmpty())
        return;
    if (!read.ok() && read.error != FileError::NotFound) {
        out.append({Finding::Kind::Unreadable, file});
        out.last().error = read.error;
        return;
    }
    if (!v.covered) {
        if (std::any_of(read.values.begin(), read.values.end(),
                        [](const QString &s) { return !s.isEmpty(); }))
            out.append({Finding::Kind::NotCovered, file});
        return;
    }
    const int width = settings ? count : Roster::kFields;
    for (int i = 0; i < count; ++i) {
        const QString said = v.values.value(i);
        if (read.values[i] == said)
            continue;
        const int slot = i / width;
        // A roster row by its code as the file holds it, or as the history
        // does when the file's is gone.
        QString code = settings ? QString() : read.values[slot * width];
        if (!settings && code.isEmpty())
            code = v.values.value(slot * width);
        out.append({Finding::Kind::Changed, file, code,
                    settings ? QString() : read.values[slot * width + 1], settings ? -1 : slot,
                    QString(), i % width, read.values[i], said});
    }
}

QList<Finding> Replay::compare(FileSystem &fs, const QList<Entry> &notMade) const {
    QList<Finding> out;
    // The card month folders as every month list finds them; a link is never
    // followed, and named.
    QStringList months;
    const QStringList entries = CardMonth::entries(fs);
    const QStringList links = CardMonth::links(fs, entries);
    for (const QString &name : entries) {
        if (links.contains(name)) {
            out.append({Finding::Kind::Unreadable, name});
            out.last().error = FileError::Damaged;
        } else if (fs.isFolder(name)) {
            months.append(name);
        }
    }
    QStringList known;
    for (const auto &[name, m] : m_months)
        known.append(name);
    known.sort();
    for (const QString &name : known)
        if (!months.contains(name) && !links.contains(name))
            months.append(name);
    const Month none;
    const Card noCard;
    for (const QString &month : months) {
        const auto found = m_months.find(month);
        const Month &m = found == m_months.end() ? none : found->second;
        const QStringList files = monthfolders::cardNames(fs, month);
        if (!m.covered) {
            if (!files.isEmpty())
                out.append({Finding::Kind::NotCovered, month});
            continue;
        }
        QSet<QString> seen;
        for (const QString &name : files) {
            const QString code = codeOfFile(name);
            seen.insert(code);
            const auto known = m.cards.find(code);
            const Card &c = known == m.cards.end() ? noCard : known->second;
            const cardfile::Read read = cardfile::read(fs, month, code);
            if (!read.ok()) {
                out.append({Finding::Kind::Unreadable, month, code});
                out.last().error = read.error;
                continue;
            }
            if (!c.exists) {
                const Entry *e = notMadeAt(notMade, month, code, -1, -1);
                out.append({e ? Finding::Kind::Interrupted : Finding::Kind::CardAdded, month, code,
                            read.table.name(), -1, QString(), -1, cardPresent(), QString()});
                continue;
            }
            const qsizetype before = out.size();
            compareCard(month, code, c, read.table, out);
            for (qsizetype i = before; i < out.size(); ++i) {
                Finding &f = out[i];
                const Entry *e = notMadeAt(notMade, month, code, f.row, f.field);
                if (e && e->oldText == f.fileValue)
                    f.kind = Finding::Kind::Interrupted;
            }
        }
        QStringList gone;
        for (const auto &[code, c] : m.cards)
            if (c.exists && !seen.contains(code))
                gone.append(code);
        gone.sort();
        for (const QString &code : gone) {
            const Card &c = m.cards.at(code);
            const Entry *e = notMadeAt(notMade, month, code, -1, -1);
            const QString name =
                c.cells.empty() ? QString() : c.cells[trackedIndex(0, CardField::Name)];
            out.append({e ? Finding::Kind::Interrupted : Finding::Kind::CardMissing, month, code,
                        name, -1, QString(), -1, QString(), cardPresent()});
        }
    }
    compareValues(fs, QLatin1String(kSettingsFile), m_settings, out);
    compareValues(fs, QLatin1String(kRosterFile), m_roster, out);
    return out;
}

} // namespace history

namespace history {

namespace {

QString shown(const QString &value) {
    return value.isEmpty() ? QStringLiteral("（空）")
                           : QStringLiteral("「") + value + QStringLiteral("」");
}

QString settingCaption(int index) {
    static const QStringList rows = {QStringLiteral("月給"), QStringLiteral("日給"),
                                     QStringLiteral("時給")};
    static const QStringList rounding = {QStringLiteral("時刻の端数"),
                                         QStringLiteral("勤務時間数（月間）"),
                                         QStringLiteral("端数の処理方法")};
    switch (index) {
    case 0:
        return QStringLiteral("日付の切り替え");
    case 1:
        return QStringLiteral("その他の場合の開始日");
    case 2:
        return QStringLiteral("その他の場合の締日");
    case 3:
        return QStringLiteral("年号");
    case 13:
        return QStringLiteral("給与計算期間");
    case 14:
        return QStringLiteral("当月分・翌月分");
    default:
        break;
    }
    if (index >= 4 && index <= 12)
        return rows[(index - 4) / 3] + QLatin1Char(' ') + rounding[(index - 4) % 3];
    return QStringLiteral("設定 %1").arg(index + 1);
}

} // namespace

QString valueCaption(const QString &file, int row, int field) {
    if (file == QLatin1String(kSettingsFile))
        return settingCaption(field);
    if (file == QLatin1String(kRosterFile)) {
        static const QStringList names = {QStringLiteral("コード"), QStringLiteral("氏名"),
                                          QStringLiteral("区分"), QStringLiteral("削除の印")};
        return names.value(field);
    }
    if (row < 0 && field < 0)
        return QStringLiteral("タイムカード");
    if (row == 0 && field == CardField::Name)
        return QStringLiteral("氏名");
    if (row == 0 && field == CardField::PayType)
        return QStringLiteral("区分");
    static const QStringList day = {
        QStringLiteral("出勤"),         QStringLiteral("休憩"),     QStringLiteral("戻り"),
        QStringLiteral("退勤"),         QStringLiteral("勤務時間"), QStringLiteral("深夜"),
        QStringLiteral("法定内"),       QStringLiteral("法定外"),   QStringLiteral("休日"),
        QStringLiteral("深夜（認定）"), QStringLiteral("遅刻早退")};
    if (row == CardTable::kTotalsRow)
        return field == CardField::DaysWorked
                   ? QStringLiteral("出勤日数")
                   : QStringLiteral("合計の") + day.value(field - CardField::ClockIn);
    return day.value(field - CardField::ClockIn);
}

QString findingText(const Finding &f) {
    QString who = f.file;
    const bool card = isCardMonth(f.file);
    if (f.file == QLatin1String(kSettingsFile))
        who = QStringLiteral("基本設定（Kijyun.Dat）");
    else if (f.file == QLatin1String(kRosterFile))
        who = QStringLiteral("従業員の名簿（Meibo.Dat）");
    if (card && !f.code.isEmpty())
        who += QStringLiteral("　") + f.code +
               (f.name.isEmpty() ? QString() : QLatin1Char(' ') + f.name);
    switch (f.kind) {
    case Finding::Kind::NotCovered:
        return who + QStringLiteral("：記録開始前の値のままです。");
    case Finding::Kind::Unreadable:
        return who +
               QStringLiteral("：読み込めません（エラー番号 %1）。").arg(errorNumber(f.error));
    case Finding::Kind::CardAdded:
        return who + QStringLiteral("：変更履歴にないタイムカードがあります。");
    case Finding::Kind::CardMissing:
        return who + QStringLiteral("：変更履歴にあるタイムカードがありません。");
    default:
        break;
    }
    QString where;
    if (card && f.row >= 0 && f.row < CardTable::kDayRows)
        where = f.day.isEmpty() ? QStringLiteral("　（%1行目）").arg(f.row + 1)
                                : QStringLiteral("　%1日").arg(f.day);
    else if (card && f.row == CardTable::kTotalsRow)
        where = QStringLiteral("　合計");
    else if (f.file == QLatin1String(kRosterFile))
        where = QStringLiteral("　%1行目（コード %2）").arg(f.row + 1).arg(f.code);
    const QString what = where + QStringLiteral("　") + valueCaption(f.file, f.row, f.field);
    if (f.kind == Finding::Kind::Interrupted)
        return who + what +
               QStringLiteral("：ファイルは変更前の%1のまま、変更履歴の%2への変更は"
                              "行われていません。")
                   .arg(shown(f.fileValue), shown(f.historyValue));
    return who + what +
           QStringLiteral("：ファイル%1／変更履歴%2")
               .arg(shown(f.fileValue), shown(f.historyValue));
}

} // namespace history
