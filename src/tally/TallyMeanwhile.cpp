#include "data/CardUpdate.h"
#include "tally/TallyScreen.h"

namespace {

QString punchText(const QString &t) {
    return t.isEmpty() ? QStringLiteral("（なし）") : t;
}

} // namespace

bool TallyScreen::takeChangesMeanwhile(const CardTable &now, bool quiet) {
    const changemerge::Card merged =
        changemerge::card(m_saved, m_table, now, changemerge::kTallyFields);
    QStringList lines;
    for (const history::Entry &e : history::cardChanges(m_lists.folder(), m_code, m_saved, now))
        lines.append(QStringLiteral("・") + e.day + QStringLiteral("日　") +
                     history::fieldCaption(e.field) + QStringLiteral("　") + punchText(e.oldText) +
                     QStringLiteral(" → ") + punchText(e.newText));
    for (const changemerge::Clash &c : merged.clashes)
        lines.append(QStringLiteral("・") + now.at(c.row, CardField::Day) + QStringLiteral("日　") +
                     history::fieldCaption(c.field) + QStringLiteral("　この画面の訂正 ") +
                     punchText(c.mine) + QStringLiteral(" は、新しい打刻を残すため取り消しました"));
    bool others = false;
    for (int r = 0; r < CardTable::kDayRows && !others; ++r)
        for (int f = CardField::CertWithin; f <= CardField::CertLateEarly && !others; ++f)
            others = m_saved.at(r, f) != now.at(r, f);
    if (others)
        lines.append(QStringLiteral("・認定時間（ほかのパソコンでの確定）"));

    m_table = merged.table;
    m_saved = now;
    m_tally = tally::jidousyuukei(m_table, m_settings);
    tally::keisan(m_table);
    if (lines.isEmpty() && quiet)
        return false;
    if (lines.isEmpty())
        lines.append(QStringLiteral("・曜日と集計の欄"));
    // The employee stays open until the card is confirmed as it is now.
    lock();
    m_s.dialogs.notice(
        QStringLiteral("このタイムカードは、開いた後にほかのパソコンで変更されていたため、"
                       "保存していません。\n") +
        lines.join(QLatin1Char('\n')) +
        QStringLiteral("\n\n新しい打刻を残して集計し直しました。"
                       "内容を確かめてから、もう一度「確定」してください。"));
    return true;
}
