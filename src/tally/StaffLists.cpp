#include "tally/StaffLists.h"

#include "data/CardTable.h"
#include "data/MonthFolders.h"
#include "tally/TallyMonth.h"

void StaffLists::fillMonths() {
    m_months = tallymonth::listNewestFirst(m_s.fs);
}

int StaffLists::chooseMonth(const QString &folderText) {
    m_folder = folderText; // as listed: a name with blanks is another folder
    m_entries.clear();
    m_selected = -1;
    if (!tallymonth::isSafeFolder(m_folder)) {
        m_s.dialogs.notice(tallymonth::unsafeFolderText(m_folder));
        m_folder.clear();
        return 0;
    }
    if (m_s.fs.isLink(m_folder)) {
        m_s.dialogs.notice(monthfolders::linkText(m_folder));
        m_folder.clear();
        return 0;
    }
    const QStringList codes = employeeline::cardCodes(m_s.fs, m_folder);
    for (const QString &code : codes)
        if (const auto line = employeeline::ofCard(m_s.fs, m_folder, code))
            m_entries.append(*line);
    if (codes.isEmpty())
        m_s.dialogs.notice(QStringLiteral("タイムカードがありません。"));
    return static_cast<int>(codes.size());
}

void StaffLists::restore(const QString &folder, const QList<EmployeeLine> &entries) {
    m_folder = folder;
    m_entries = entries;
    // A list suspended in another order comes back in the one every list has.
    employeeline::sortLines(m_entries);
    m_selected = -1;
}

void StaffLists::markAt(int i) {
    if (i >= 0 && i < count())
        m_entries[i].marked = true;
}

int StaffLists::nextUnmarked(int i) const {
    const int n = count();
    for (int step = 1; step <= n; ++step) {
        const int j = ((i < 0 ? -1 : i) + step) % n;
        if (!m_entries[j].marked)
            return j;
    }
    return -1;
}
