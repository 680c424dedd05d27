#include "tally/CorrectionPanel.h"

#include "tally/EntryText.h"

QString CorrectionPanel::label(int i) {
    static const QString labels[] = {QStringLiteral("対象日"), QStringLiteral("出勤"),
                                     QStringLiteral("休憩"), QStringLiteral("休戻"),
                                     QStringLiteral("退勤")};
    return i >= 0 && i < kBoxes ? labels[i] : QString();
}

void CorrectionPanel::open() {
    m_boxes.fill(QString());
    m_reason.clear();
}

QString CorrectionPanel::leave(int box, const QString &typed) {
    if (!isPanelBox(box))
        return typed;
    const int i = box - kFirstBox;
    m_boxes[static_cast<size_t>(i)] = i == TargetDay ? typed : entrytext::punch(typed);
    return m_boxes[static_cast<size_t>(i)];
}

CorrectionPanel::Outcome CorrectionPanel::apply(CardTable &table, Dialogs &dialogs) const {
    if (m_boxes[TargetDay].isEmpty()) {
        dialogs.notice(QStringLiteral("対象日が未入力です。"));
        return {Outcome::Stopped, kFirstBox + TargetDay};
    }
    bool any = false;
    for (int i = ClockInBox; i <= ClockOutBox; ++i)
        any = any || !m_boxes[static_cast<size_t>(i)].isEmpty();
    if (!any) {
        dialogs.notice(QStringLiteral("訂正項目が未入力です。"));
        return {Outcome::NoItems, -1};
    }
    for (int i = ClockInBox; i <= ClockOutBox; ++i) {
        const QString &t = m_boxes[static_cast<size_t>(i)];
        if (t.isEmpty() || t == QLatin1String(entrytext::kDeleteCode) ||
            entrytext::isStorablePunch(t))
            continue;
        dialogs.notice(QStringLiteral("「%1」の時刻「%2」は使えません。\n"
                                      "時は0～47、分は0～59で、8:30のように入力してください。")
                           .arg(label(i), t));
        return {Outcome::Stopped, kFirstBox + i};
    }
    const int row = table.dayRowOf(entrytext::targetDay(m_boxes[TargetDay]));
    if (row < 0) {
        // A day the card's month lacks (32, 0, the 30th of February).
        dialogs.notice(QStringLiteral("対象日「%1」はこのタイムカードにありません。\n"
                                      "タイムカードにある日を入力してください。")
                           .arg(m_boxes[TargetDay].trimmed()));
        return {Outcome::Stopped, kFirstBox + TargetDay};
    }
    for (int i = ClockInBox; i <= ClockOutBox; ++i) {
        const QString &t = m_boxes[static_cast<size_t>(i)];
        QString &cell = table.at(row, CardField::ClockIn + i - ClockInBox);
        if (t == QLatin1String(entrytext::kDeleteCode))
            cell.clear();
        else if (!t.isEmpty())
            cell = t;
    }
    return {Outcome::Applied, -1, row};
}
