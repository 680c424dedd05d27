#include "tally/PayrollExport.h"

#include "data/CardTable.h"
#include "data/FileFailure.h"
#include "tally/StoredReview.h"
#include "tally/TimeText.h"

#include <QFileInfo>
#include <algorithm>

namespace {

using payrollcsv::TimeForm;

// An employee as the notice names them: code and name.
QString who(const QString &code, const QString &name) {
    return code + QStringLiteral("　") + name;
}

QString section(const QString &heading, const QStringList &names) {
    if (names.isEmpty())
        return QString();
    QString text = QStringLiteral("\n\n") + heading;
    for (const QString &n : names)
        text += QStringLiteral("\n　") + n;
    return text;
}

} // namespace

PayrollExport::Gathered PayrollExport::gather(FileSystem &fs, const Input &in) {
    Gathered g;
    for (const EmployeeLine &entry : in.staff) {
        if (!entry.marked) {
            ++g.unmarked;
            continue;
        }
        const QString code = entry.code.trimmed();
        const cardfile::Read read = cardfile::read(fs, in.monthFolder, code);
        if (!read.ok()) {
            g.unreadable << who(code, entry.name.trimmed()) + QStringLiteral("（") +
                                filefailure::reason(read.error) + QStringLiteral("）");
            continue;
        }
        const CardTable &stored = read.table;
        const QString name = stored.name().trimmed();
        if (!stored.confirmed()) {
            g.notConfirmed << who(code, name);
            continue;
        }
        const storedreview::Review review = storedreview::review(stored, in.settings);
        const tally::TallyResult &t = review.tally;

        payrollcsv::Line l;
        // The file's whole code: the line is the employee's whose card it is.
        l.code = code;
        l.name = name;
        l.payType = stored.payType().trimmed();
        l.daysWorked = t.daysWorked;
        l.work = timetext::certifiedMinutes(t.monthlyWork);
        l.lateNight = timetext::certifiedMinutes(t.monthlyLateNight);
        for (int k = 0; k < payrollcsv::kCertified; ++k)
            l.certified[static_cast<size_t>(k)] = timetext::certifiedMinutes(
                stored.at(CardTable::kTotalsRow, CardField::CertWithin + k));
        g.lines << l;

        // The screen holds what the card lacks: that says more than the card.
        const bool pending = code == in.pendingCode;
        if (pending)
            g.toCheck << who(code, name) + QStringLiteral("（画面に確定していない入力があります。"
                                                          "確定した時の値で出力しました）");
        for (const QString &note : review.notes)
            if (!pending || note != storedreview::changedNote())
                g.toCheck << who(code, name) + QStringLiteral("（") + note + QStringLiteral("）");
    }
    return g;
}

std::optional<TimeForm> PayrollExport::askForm() {
    const BoxAnswer a = m_s.dialogs.choose(
        QStringLiteral("給与計算用データ（CSV）の時間の書き方を選んでください。\n\n"
                       "「161:15 形式」　時間：分（例　161:15）\n"
                       "「分の形式」　　 分（例　9675）"),
        QStringLiteral("確認"), BoxIcon::Question, QStringLiteral("161:15 形式"),
        QStringLiteral("分の形式"));
    if (a == BoxAnswer::Yes)
        return TimeForm::HoursMinutes;
    if (a == BoxAnswer::No)
        return TimeForm::Minutes;
    return std::nullopt;
}

PayrollExport::Result PayrollExport::run(const Input &in, ExportChooser &chooser) {
    Result r;
    const bool anyMarked = std::any_of(in.staff.begin(), in.staff.end(),
                                       [](const EmployeeLine &e) { return e.marked; });
    if (!anyMarked) {
        m_s.dialogs.notice(
            QStringLiteral("出力する対象者（◆）がいません。\n"
                           "対象者リストで選択して、確定してから出力してください。"));
        return r;
    }
    const std::optional<TimeForm> form = askForm();
    if (!form) {
        r.end = End::Cancelled;
        return r;
    }
    r.path = chooser.askCsvFile(payrollcsv::fileName(in.monthFolder));
    if (r.path.isEmpty()) {
        r.end = End::Cancelled;
        return r;
    }
    if (filefailure::refuseDataFolder(m_s, r.path)) {
        r.end = End::Refused;
        return r;
    }
    r.gathered = gather(m_s.fs, in);
    const Gathered &g = r.gathered;
    if (g.lines.isEmpty()) {
        m_s.dialogs.notice(
            QStringLiteral("出力できる対象者がいません。ファイルは作っていません。") +
            section(QStringLiteral("確定していないため出力しなかった人："), g.notConfirmed) +
            section(QStringLiteral("読み込めなかったタイムカード："), g.unreadable));
        return r;
    }
    r.error = m_s.fs.replaceFile(r.path, payrollcsv::file(g.lines, *form));
    if (!isSaved(r.error)) {
        r.end = End::Failed;
        m_s.dialogs.notice(QStringLiteral("給与計算用データを出力できませんでした（") +
                           filefailure::reason(r.error) + QStringLiteral("）。\n") + r.path +
                           QStringLiteral("\n\n保存先を確かめてから、もう一度出力してください。"));
        return r;
    }
    r.end = End::Written;
    m_s.dialogs.notice(doneText(r));
    return r;
}

QString PayrollExport::doneText(const Result &r) const {
    const Gathered &g = r.gathered;
    QString text =
        QStringLiteral("給与計算用データを出力しました（%1 人）。\n").arg(g.lines.size()) + r.path;
    if (r.error == FileError::Unconfirmed)
        text += QStringLiteral("\n\n") + filefailure::unconfirmedText();
    text += section(QStringLiteral("確定していないため出力しなかった人："), g.notConfirmed);
    text +=
        section(QStringLiteral("読み込めなかったため出力しなかったタイムカード："), g.unreadable);
    text += section(QStringLiteral("出力しましたが、確かめてください："), g.toCheck);
    if (g.unmarked > 0)
        text += QStringLiteral("\n\n選択済み（◆）でない %1 人は出力していません。").arg(g.unmarked);
    return text;
}
