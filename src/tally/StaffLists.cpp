#include "tally/StaffLists.h"

#include "data/CardTable.h"
#include "data/MonthFolders.h"
#include "data/RecordFile.h"
#include "tally/StaffEntry.h"
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
    const QString suffix = QLatin1String(cardfile::kSuffix);
    const QStringList files = m_s.fs.list(m_folder, QStringLiteral("*") + suffix, ListKind::Files);
    for (const QString &file : files) {
        const QString code = file.left(file.size() - suffix.size()).trimmed();
        if (!cardfile::isSafeCode(code))
            continue;
        const ReadResult r = m_s.fs.readFile(cardfile::path(m_folder, code), cardfile::kMaxBytes);
        if (!r.ok())
            continue;
        const cardfile::Head head = cardfile::headOf(r.bytes);
        m_entries.append(staffentry::format(head.code, head.name));
    }
    if (files.isEmpty())
        m_s.dialogs.notice(QStringLiteral("タイムカードがありません。"));
    return static_cast<int>(files.size());
}

void StaffLists::restore(const QString &folder, const QStringList &entries) {
    m_folder = folder;
    m_entries = entries;
    m_selected = -1;
}

void StaffLists::markAt(int i) {
    if (i >= 0 && i < count())
        m_entries[i] = staffentry::marked(m_entries[i]);
}

int StaffLists::nextUnmarked(int i) const {
    const int n = count();
    for (int step = 1; step <= n; ++step) {
        const int j = ((i < 0 ? -1 : i) + step) % n;
        if (!staffentry::isMarked(m_entries[j]))
            return j;
    }
    return -1;
}
