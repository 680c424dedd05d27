#include "data/CardPreparation.h"

#include "data/CardMonth.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/HistoryFile.h"
#include "data/MonthFolders.h"
#include "data/PayPeriodKind.h"
#include "data/RecordFile.h"
#include "platform/Codec932.h"

#include <QSet>
#include <algorithm>
#include <cstring>

CardTable newCard(const daterules::PayPeriod &period, const Employee &employee) {
    CardTable card;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const QDate &day = period.days[static_cast<size_t>(r)];
        if (day.isValid())
            card.at(r, CardField::Day) = QString::number(day.day());
        card.at(r, CardField::Code) = employee.code;
        card.at(r, CardField::Name) = employee.name;
        card.at(r, CardField::PayType) = employee.payType;
    }
    return card;
}

QByteArray newCardBytes(const daterules::PayPeriod &period, const Employee &employee) {
    // Built directly rather than value by value: the same bytes as the record
    // format of newCard(), with the employee's texts encoded once, not per row,
    // and every piece copied into one buffer as large as any card can be.
    const QByteArray code = cp932::encode(employee.code);
    const QByteArray name = cp932::encode(employee.name);
    const QByteArray payType = cp932::encode(employee.payType);
    constexpr qsizetype kEmptyInRow = CardField::Code - CardField::Weekday;
    const qsizetype row = 6 + 4 * kEmptyInRow + code.size() + name.size() + payType.size() + 3 * 4;
    QByteArray out(CardTable::kDayRows * row + CardTable::kFields * 4, Qt::Uninitialized);
    char *p = out.data();
    const auto put = [&p](const char *bytes, qsizetype n) {
        std::memcpy(p, bytes, static_cast<size_t>(n));
        p += n;
    };
    const auto quoted = [&](const QByteArray &v) {
        *p++ = '"';
        put(v.constData(), v.size());
        put("\"\r\n", 3);
    };
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const QDate &day = period.days[static_cast<size_t>(r)];
        *p++ = '"';
        if (day.isValid()) {
            const int d = day.day();
            if (d >= 10)
                *p++ = char('0' + d / 10);
            *p++ = char('0' + d % 10);
        }
        put("\"\r\n", 3);
        for (qsizetype i = 0; i < kEmptyInRow; ++i)
            put("\"\"\r\n", 4);
        quoted(code);
        quoted(name);
        quoted(payType);
    }
    for (int i = 0; i < CardTable::kFields; ++i)
        put("\"\"\r\n", 4);
    out.truncate(p - out.constData());
    return out;
}

namespace {

// One box for all the damaged cards of a month, the first few by name.
QString damagedCardsText(const QString &folder, const QStringList &lines) {
    constexpr int kShown = 20;
    QString text = folder + QStringLiteral("の次のタイムカードは壊れているため、使用できません。"
                                           "カードは書き換えずに残してあります。");
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), kShown); ++i)
        text += QLatin1Char('\n') + lines[i];
    if (lines.size() > kShown)
        text += QStringLiteral("\nほか ") + QString::number(lines.size() - kShown) +
                QStringLiteral(" 名");
    return text;
}

} // namespace

CardPreparation::CardPreparation(Services &services) : m_s(services) {}

bool CardPreparation::open() {
    const filefailure::Load load = filefailure::loadOrCreate(m_s, QLatin1String(kSettingsFile),
                                                             CalcSettings::kCount, IoWording::Disk);
    if (load.ended)
        return false;
    if (load.cleared == FileError::Damaged)
        info(filefailure::damagedFileText(QLatin1String(kSettingsFile)));
    m_settings = CalcSettings::fromList(load.read.values);
    m_year = 0;
    m_month = 0;
    nengetuhyouji();
    return true;
}

bool CardPreparation::leaveYear(const QString &text) {
    if (!m_settings.wareki() && text.size() <= 3) {
        info(QStringLiteral("西暦の年号は４桁で入力してください。"));
        return false;
    }
    if (m_settings.wareki() && text.size() > 2) {
        info(QStringLiteral("年号の桁数が不正です。"));
        return false;
    }
    m_year = leadingNumber(text);
    return true;
}

void CardPreparation::leaveMonth(const QString &text) {
    m_month = leadingNumber(text);
}

int CardPreparation::prepare() {
    const PayPeriodKind kind = payPeriodKind(m_settings);
    if (kind == PayPeriodKind::Unregistered) {
        info(QStringLiteral("給与計算期間が未登録のため、タイムカードの準備はできません。"));
        return 0;
    }
    if (m_year == 0 || m_month == 0) {
        info(QStringLiteral("年月を指定してください。"));
        return 0;
    }
    // A start day outside the month would date every row wrongly.
    if (isOtherPeriod(kind)) {
        const int start = leadingNumber(m_settings[CalcSettings::OtherStartDay]);
        if (start < 1 || start > 31) {
            info(QStringLiteral("給与計算期間（その他の場合）の開始日が正しくありません。"
                                "基本設定で１日から３１日までの日を設定してください。"));
            return 0;
        }
    }
    const rosterfile::Read file = rosterfile::read(m_s.fs);
    const Roster &roster = file.roster;
    const bool anyone = std::any_of(roster.slots.begin(), roster.slots.end(),
                                    [](const Employee &e) { return e.inUse(); });
    // Cards are never made from a roster that may hold only a part of it.
    if (file.error == FileError::Damaged) {
        info(filefailure::damagedFileText(QLatin1String(kRosterFile), file.fault));
        return 0;
    }
    if (!file.ok() || !anyone) {
        info(QStringLiteral("従業員名簿が作成されていません。名簿の作成後に、この処理を実行してく"
                            "ださい。"));
        return 0;
    }

    const QString folder = CardMonth(m_year, m_month).folderName();
    const FileError made = m_s.fs.makeFolder(folder);
    if (made != FileError::None && !m_s.fs.isFolder(folder)) {
        if (m_s.fs.isLink(folder)) {
            info(monthfolders::linkText(folder));
            return 0;
        }
        if (m_s.fs.exists(folder)) {
            info(
                QStringLiteral("「") + folder +
                QStringLiteral("」という名前のファイルがあるため、タイムカードを準備できません。"));
            return 0;
        }
        filefailure::endOnWriteFailure(m_s, made, IoWording::Disk);
        return 0;
    }

    const daterules::YearMonth month{daterules::westernYearOf(m_year, m_settings), m_month};
    const daterules::PayPeriod period = daterules::payPeriod(month, m_settings);
    // All new cards go to the disk in one batch: one flush instead of one per card.
    QList<std::pair<QString, QByteArray>> batch;
    QList<history::Entry> entries;
    QSet<QString> names;
    QList<const Employee *> wanted;
    QStringList damaged;
    QStringList duplicated;
    for (const Employee &e : roster.slots) {
        if (!e.inUse())
            continue;
        if (!cardfile::isSafeCode(e.code)) {
            info(cardfile::unsafeCodeText(e.code) +
                 QStringLiteral("この従業員のタイムカードは準備しません。"));
            continue;
        }
        const QString name = cardfile::fileName(e.code);
        // Two employees with one code would share one card: the first keeps it.
        if (names.contains(name)) {
            duplicated.append(QStringLiteral("・") + e.code.trimmed() + QLatin1Char(' ') + e.name);
            continue;
        }
        names.insert(name);
        wanted.append(&e);
    }
    // Every duplicated code in one box, however many there are.
    if (!duplicated.isEmpty())
        info(QStringLiteral("次の従業員は、従業員コードが他の従業員と重複しているため、"
                            "タイムカードを準備しません（先に登録された従業員が使います）。\n") +
             duplicated.join(QLatin1Char('\n')));
    // Another PC preparing the month, or writing one of its cards, finishes
    // first: each card is made only once, and never over one written meanwhile.
    FileLock lock = m_s.fs.lockFolders({folder});
    FileError written = lock.error();
    if (lock.held()) {
        // A folder made just now that still holds no card: nothing to look for.
        const bool fresh =
            made == FileError::None && monthfolders::cardNames(m_s.fs, folder).isEmpty();
        for (const Employee *e : wanted) {
            if (!fresh && m_s.fs.exists(cardfile::path(folder, e->code))) {
                // An existing card keeps its punches; a damaged one is named,
                // and kept as it is too.
                if (cardfile::read(m_s.fs, folder, e->code).error == FileError::Damaged)
                    damaged.append(QStringLiteral("・") + e->code.trimmed() + QLatin1Char(' ') +
                                   e->name);
                continue;
            }
            batch.append({cardfile::fileName(e->code), newCardBytes(period, *e)});
            entries += history::cardAsItIs(folder, e->code.trimmed(), newCard(period, *e));
        }
        // The new cards go into the change history first, with the settings
        // they were laid out by.
        const history::Written w =
            history::record(m_s, history::word::junbi, entries, settingsStamp(m_s.fs));
        if (!w.ok()) {
            lock.release();
            if (!filefailure::endOnWriteFailure(m_s, w.error, IoWording::Disk))
                info(QStringLiteral(
                         "変更履歴に書き込めないため、タイムカードを準備しませんでした（") +
                     filefailure::reason(w.error) + QStringLiteral("）。"));
            return 0;
        }
        written = m_s.fs.replaceFiles(folder, batch);
        if (!isSaved(written)) {
            QList<qsizetype> missing;
            for (qsizetype i = 0; i < entries.size(); ++i)
                if (!m_s.fs.exists(cardfile::path(folder, entries[i].code)))
                    missing.append(i);
            history::recordNotMade(m_s, w, written, missing);
        }
    }
    lock.release();
    if (filefailure::transient(written)) {
        info(QStringLiteral("タイムカードを準備できませんでした（") + filefailure::reason(written) +
             QStringLiteral("）。"));
        return 0;
    }
    if (filefailure::endOnWriteFailure(m_s, written, IoWording::Disk))
        return 0;
    const int created = static_cast<int>(batch.size());
    if (created > 0)
        info(QString::number(created) + QStringLiteral(" 人分のタイムカードを準備しました。"));
    else
        info(QStringLiteral("タイムカードは既に準備されています。"));
    if (!damaged.isEmpty())
        info(damagedCardsText(folder, damaged));
    nengetuhyouji();
    return created;
}

QString CardPreparation::settingsStamp(FileSystem &fs) {
    const ReadResult r = fs.readFile(QLatin1String(kSettingsFile));
    return QStringLiteral("基本設定 ") +
           QString::fromLatin1(history::hashOf(r.ok() ? r.bytes : QByteArray()).left(12));
}

void CardPreparation::nengetuhyouji() {
    m_months = CardMonth::sorted(CardMonth::entries(m_s.fs), CardMonth::Order::OldestFirst,
                                 CardMonth::Others::First);
}
