#include "tally/HistoryView.h"

#include "data/HistoryReplay.h"

FileError HistoryView::load(FileSystem &fs, const QString &month, const QString &code,
                            const CardTable &stored) {
    FileError e = FileError::None;
    m_records = history::recordsOf(fs, month, code, &e);
    history::Replay replay;
    for (const history::Record &r : m_records)
        replay.take(r);
    m_covered = replay.covers(month, code);
    m_unexplained.clear();
    if (!m_covered)
        return e;
    for (const history::Finding &f : replay.compareCard(month, code, stored))
        m_unexplained.append({{},
                              QStringLiteral("不明な変更"),
                              f.day,
                              history::valueCaption(f.file, f.row, f.field),
                              f.historyValue,
                              f.fileValue,
                              QStringLiteral("変更履歴にない変更です")});
    return e;
}

QString HistoryView::note() const {
    qsizetype punches = 0, changes = 0;
    for (const history::Record &r : m_records) {
        punches += history::isFirstPunch(r) ? 1 : 0;
        changes += history::isChange(r) ? 1 : 0;
    }
    const QString before =
        m_covered || m_records.isEmpty()
            ? QString()
            : QStringLiteral(
                  "このカードは変更履歴の記録を始める前のもので、値の照合はしていません。");
    if (m_withPunches || punches == 0)
        return before + (changes + (m_withPunches ? punches : 0) + m_unexplained.size() == 0
                             ? QStringLiteral("この月の変更履歴はありません。")
                             : QString());
    return before +
           (changes == 0 ? QStringLiteral("この月の打刻の変更はありません。") : QString()) +
           QStringLiteral("打刻機での打刻%1件は表示していません。").arg(punches);
}
