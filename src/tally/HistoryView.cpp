#include "tally/HistoryView.h"

FileError HistoryView::load(FileSystem &fs, const QString &month, const QString &code) {
    FileError e = FileError::None;
    m_records = history::recordsOf(fs, month, code, &e);
    return e;
}

QString HistoryView::note() const {
    qsizetype punches = 0;
    for (const history::Record &r : m_records)
        punches += history::isChange(r) ? 0 : 1;
    const qsizetype changes = m_records.size() - punches;
    if (m_withPunches || punches == 0)
        return m_records.isEmpty() ? QStringLiteral("この月の変更履歴はありません。") : QString();
    return (changes == 0 ? QStringLiteral("この月の打刻の変更はありません。") : QString()) +
           QStringLiteral("打刻機での打刻%1件は表示していません。").arg(punches);
}
