#include "tally/StoredReview.h"

#include "tally/CertifiedMarks.h"

namespace storedreview {

namespace {

bool sameTimes(const CardTable &stored, const CardTable &tallied) {
    for (int r = 0; r < CardTable::kRows; ++r)
        for (const int f : {int(CardField::Work), int(CardField::LateNight)})
            if (stored.at(r, f).trimmed() != tallied.at(r, f).trimmed())
                return false;
    return stored.at(CardTable::kTotalsRow, CardField::DaysWorked).trimmed() ==
           tallied.at(CardTable::kTotalsRow, CardField::DaysWorked).trimmed();
}

} // namespace

QString notConfirmedNote() {
    return QStringLiteral("集計で確定していません。時間は打刻から集計した値です");
}

QString changedNote() {
    return QStringLiteral("確定した後に打刻か基本設定が変わっています。時間は集計し直した値です");
}

Review review(const CardTable &stored, const CalcSettings &settings) {
    Review r;
    r.table = stored;
    r.tally = tally::jidousyuukei(r.table, settings);
    r.confirmed = stored.confirmed();
    r.changedSinceConfirm = r.confirmed && !sameTimes(stored, r.table);
    CardTable certified = r.table;
    r.bare = tally::keisan(certified).stopped;
    if (!r.confirmed)
        r.notes << notConfirmedNote();
    else if (r.changedSinceConfirm)
        r.notes << changedNote();
    if (r.bare)
        r.notes << QStringLiteral("認定時間に「：」のない値があり、認定の合計に入っていません");
    if (const QString marks = certifiedmarks::note(certifiedmarks::of(stored), stored);
        !marks.isEmpty())
        r.notes << marks;
    return r;
}

} // namespace storedreview
