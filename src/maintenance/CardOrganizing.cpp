#include "maintenance/CardOrganizing.h"

#include "data/CardMonth.h"
#include "data/FileFailure.h"
#include "data/LabourRules.h"
#include "data/MonthFolders.h"
#include "maintenance/CopyReport.h"
#include "maintenance/MonthHistory.h"
#include "maintenance/MonthInUse.h"

CardOrganizing::CardOrganizing(Services &services) : m_s(services) {}

bool CardOrganizing::open() {
    if (!monthinuse::readSettings(m_s, true, m_settings))
        return false;
    fillList();
    return true;
}

void CardOrganizing::fillList() {
    m_list.setLines(CardMonth::sorted(CardMonth::entries(m_s.fs), CardMonth::Order::OldestFirst,
                                      CardMonth::Others::Last));
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
    for (const QString &name : m_list.selection())
        if (labourrules::withinRetention(name.trimmed(), today, m_settings))
            young.append(name.trimmed());
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
    QStringList problems;
    for (const QString &name : m_list.selection()) {
        const QString folder = name.trimmed();
        // A file whose name holds "月" is listed too, but is no card month.
        if (m_s.fs.exists(folder) && !m_s.fs.isFolder(folder)) {
            problems.append(folder + QStringLiteral("：タイムカードのフォルダではありません。"));
            continue;
        }
        // The cards go into the history before they go; a month whose history
        // cannot be written is not deleted.
        const monthhistory::Changes changes = monthhistory::removal(m_s.fs, folder);
        const history::Written w =
            history::record(m_s.fs, m_s.clock, history::word::seiri, changes.entries);
        if (!w.ok()) {
            problems.append(folder +
                            QStringLiteral("：変更履歴に書き込めないため、削除しませんでした（") +
                            filefailure::reason(w.error) + QStringLiteral("）。"));
            continue;
        }
        const monthfolders::DeleteResult r = monthfolders::deleteMonth(m_s.fs, folder);
        if (!r.kept.isEmpty())
            history::recordNotMade(m_s.fs, m_s.clock, w, r.error,
                                   monthhistory::ofFiles(changes, folder, r.kept));
        // A month whose cards are gone is deleted, even when other files keep
        // its folder; one with a card left is not.
        if (r.kept.isEmpty())
            ++deleted;
        else
            problems.append(copyreport::notDeletedLine(folder, r.kept.size(), r.error));
    }
    fillList();
    m_s.dialogs.info(QString::number(deleted) + QStringLiteral("ケ月分を削除しました。"));
    if (!problems.isEmpty())
        m_s.dialogs.info(copyreport::problemsText(
            QStringLiteral("次の年月のタイムカードは削除できませんでした。"), problems));
    return true;
}
