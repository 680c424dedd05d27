#include "maintenance/CardOrganizing.h"

#include "data/CardMonth.h"
#include "data/FileFailure.h"
#include "data/LabourRules.h"
#include "data/MonthFolders.h"
#include "data/SafetyFolder.h"
#include "maintenance/CopyReport.h"
#include "maintenance/MonthHistory.h"
#include "maintenance/MonthInUse.h"

CardOrganizing::CardOrganizing(Services &services) : m_s(services) {}

bool CardOrganizing::open() {
    if (!monthinuse::readSettings(m_s, true, m_settings))
        return false;
    fillList();
    m_safety = SafetyFolder::contents(m_s.fs);
    return true;
}

QString CardOrganizing::safetyText() const {
    if (m_safety.link)
        return QStringLiteral("控え：「") + QLatin1String(SafetyFolder::kName) +
               QStringLiteral("」がリンクのため使えません");
    if (m_safety.keepings == 0)
        return QStringLiteral("控え：なし");
    return QStringLiteral("控え：") + QString::number(m_safety.keepings) +
           QStringLiteral(" 回分　") + SafetyFolder::sizeText(m_safety.bytes);
}

bool CardOrganizing::emptySafety() {
    if (m_safety.link || m_safety.keepings == 0)
        return false;
    if (!m_s.dialogs.confirm(
            QStringLiteral("削除・復元の前に控えたタイムカード（") +
            QString::number(m_safety.keepings) + QStringLiteral(" 回分、") +
            SafetyFolder::sizeText(m_safety.bytes) +
            QStringLiteral("）をすべて削除します。削除した控えは元に戻せません。")))
        return false;
    // The kept cards go into the history as they go: which keepings, and
    // that they were emptied.
    QList<history::Entry> kept;
    for (const QString &name :
         m_s.fs.list(QLatin1String(SafetyFolder::kName), QStringLiteral("*"), ListKind::Folders))
        kept.append(
            {QLatin1String(SafetyFolder::kName), name, -1, {}, -1, history::cardPresent(), {}});
    const history::Written w = history::record(m_s, history::word::hikaesakujo, kept,
                                               SafetyFolder::sizeText(m_safety.bytes));
    if (!w.ok()) {
        m_s.dialogs.notice(
            QStringLiteral("変更履歴に書き込めないため、控えを削除しませんでした（") +
            filefailure::reason(w.error) + QStringLiteral("）。"));
        return false;
    }
    const FileError e = SafetyFolder::empty(m_s.fs);
    m_safety = SafetyFolder::contents(m_s.fs);
    if (e != FileError::None)
        history::recordNotMade(m_s, w, e);
    if (e != FileError::None) {
        m_s.dialogs.notice(QStringLiteral("控えを削除できませんでした（") + filefailure::reason(e) +
                           QStringLiteral("）。"));
        return false;
    }
    m_s.dialogs.info(QStringLiteral("控えを削除しました。"));
    return true;
}

void CardOrganizing::fillList() {
    const QStringList names = CardMonth::sorted(
        CardMonth::entries(m_s.fs), CardMonth::Order::OldestFirst, CardMonth::Others::Last);
    m_list.setLines(names, CardMonth::links(m_s.fs, names));
}

QString CardOrganizing::monthInUse() const {
    return monthinuse::name(m_s.clock.now().date(), m_settings);
}

bool CardOrganizing::click(int index, bool selected) {
    if (index < 0 || index >= m_list.lines().size())
        return false;
    if (selected && m_list.lines()[index] == monthInUse() &&
        !m_s.dialogs.confirm(monthinuse::question(monthInUse(), QStringLiteral("削除"))))
        selected = false;
    m_list.setSelected(index, selected);
    return selected;
}

QStringList CardOrganizing::stillKept() const {
    QStringList young;
    const QDate today = m_s.clock.now().date();
    // A link is never deleted: nothing to ask about.
    for (const QString &name : m_list.selection())
        if (labourrules::withinRetention(name, today, m_settings) && !m_s.fs.isLink(name))
            young.append(name);
    return young;
}

bool CardOrganizing::deleteSelected() {
    if (m_list.isEmpty()) {
        m_s.dialogs.info(QStringLiteral("タイムカードが見つかりません。"));
        return false;
    }
    const int count = m_list.selectedCount();
    if (count == 0) {
        m_s.dialogs.info(QStringLiteral("削除対象が選択されていません。"));
        return false;
    }
    if (!m_s.dialogs.confirm(QString::number(count) + QStringLiteral("ケ月分を削除します。")))
        return false;
    if (const QStringList young = stillKept();
        !young.isEmpty() && !m_s.dialogs.confirm(labourrules::retentionQuestion(young)))
        return false;
    int deleted = 0;
    int cardsGone = 0;
    QStringList problems;
    SafetyFolder safety(m_s.fs, m_s.clock, history::word::seiri);
    // Each name exactly as listed: " 2007年1月" is not the folder 2007年1月.
    for (const QString &folder : m_list.selection()) {
        if (m_s.fs.isLink(folder)) {
            problems.append(copyreport::linkLine(folder, QStringLiteral("削除")));
            continue;
        }
        // A file whose name holds "月" is listed too, but is no card month.
        if (m_s.fs.exists(folder) && !m_s.fs.isFolder(folder)) {
            problems.append(folder + QStringLiteral("：タイムカードのフォルダではありません。"));
            continue;
        }
        // The cards are kept in the safety folder before anything goes.
        const QStringList cards = monthfolders::cardNames(m_s.fs, folder);
        if (const FileError kept = safety.keep(folder, cards); !isSaved(kept)) {
            problems.append(copyreport::notKeptLine(folder, QStringLiteral("削除"), kept));
            continue;
        }
        // The cards go into the history before they go; a month whose history
        // cannot be written is not deleted.
        const monthhistory::Changes changes = monthhistory::removal(m_s.fs, folder);
        const history::Written w =
            history::record(m_s, history::word::seiri, changes.entries, safety.reason());
        if (!w.ok()) {
            problems.append(folder +
                            QStringLiteral("：変更履歴に書き込めないため、削除しませんでした（") +
                            filefailure::reason(w.error) + QStringLiteral("）。"));
            continue;
        }
        const monthfolders::DeleteResult r = monthfolders::deleteMonth(m_s.fs, folder, cards);
        cardsGone += r.removed;
        if (!r.kept.isEmpty())
            history::recordNotMade(m_s, w, r.error, monthhistory::ofFiles(changes, folder, r.kept));
        // A month whose cards are gone is deleted, even when other files keep
        // its folder; one with a card left is not.
        if (r.kept.isEmpty())
            ++deleted;
        else
            problems.append(copyreport::notDeletedLine(folder, r.kept.size(), r.error));
    }
    fillList();
    QString done = QString::number(deleted) + QStringLiteral("ケ月分を削除しました。");
    if (cardsGone > 0)
        done += QLatin1Char('\n') + safety.keptText(QStringLiteral("削除したタイムカード"));
    m_s.dialogs.info(done);
    if (!problems.isEmpty())
        m_s.dialogs.info(copyreport::problemsText(
            QStringLiteral("次の年月のタイムカードは削除できませんでした。"), problems));
    return true;
}
