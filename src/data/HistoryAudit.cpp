#include "data/HistoryAudit.h"

#include "data/HistoryTail.h"
#include "data/HistoryTargets.h"

#include <algorithm>

namespace history {

namespace {

using Kind = Finding::Kind;

bool explains(const Finding &f) {
    return f.kind == Kind::Interrupted || f.kind == Kind::NotCovered;
}

} // namespace

bool Audit::unexplained() const {
    return !chain.intact() || std::any_of(findings.begin(), findings.end(), [](const Finding &f) {
        return !explains(f) && f.kind != Kind::Unreadable;
    }) || std::any_of(heads.begin(), heads.end(), [](const HeadCheck &h) {
        return h.state == HeadCheck::State::NotHeld;
    });
}

bool Audit::unreadable() const {
    return (chain.error != FileError::None && chain.error != FileError::NotFound) ||
           std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.kind == Kind::Unreadable; });
}

int Audit::exitCode() const {
    return unreadable() ? 2 : unexplained() ? 1 : 0;
}

Audit audit(FileSystem &fs, SettingsStore &store) {
    Audit a;
    Anchor anchor(store, fs);
    if (const Head h = anchor.head(); h.isSet())
        a.heads.append({h});
    for (const Head &h : anchor.lost())
        a.heads.append({h, HeadCheck::State::Held, true});
    for (const QString &folder : anchor.backups()) {
        FileError e = FileError::None;
        const Head h = readBackupHead(fs, folder, &e);
        if (h.isSet())
            a.heads.append({h});
        else
            a.heads.append({h, HeadCheck::State::Unreachable});
    }

    Replay replay;
    Scanner scan;
    for (const HeadCheck &h : a.heads)
        if (h.head.isSet())
            scan.hashesAt.insert(h.head.lines, QByteArray());
    scan.onWhole = [&replay](const QList<Record> &group) {
        for (const Record &r : group)
            replay.take(r);
    };
    a.chain = check(fs, scan);
    a.head.lines = scan.whole.lines;
    a.head.end = scan.whole.offset;
    a.head.hash = scan.whole.hash;
    for (HeadCheck &h : a.heads)
        if (h.state != HeadCheck::State::Unreachable)
            h.state = scan.hashesAt.value(h.head.lines) == h.head.hash ? HeadCheck::State::Held
                                                                       : HeadCheck::State::NotHeld;
    // A history that cannot be read says nothing of the files.
    if (a.chain.error == FileError::None || a.chain.error == FileError::NotFound)
        a.findings = replay.compare(fs, a.chain.notMade);
    return a;
}

namespace {

QString headLine(const HeadCheck &h) {
    QString where =
        h.head.where.isEmpty()
            ? QStringLiteral("このパソコンの記録（%1）").arg(h.head.when)
            : QStringLiteral("バックアップフォルダ %1（%2）").arg(h.head.where, h.head.when);
    if (h.lost)
        where = QStringLiteral("このパソコンの記録（%1、次の書き込みの時に見つからなかったもの）")
                    .arg(h.head.when);
    switch (h.state) {
    case HeadCheck::State::Held:
        return where + QStringLiteral("：%1 と一致します。").arg(h.head.shortForm());
    case HeadCheck::State::NotHeld:
        return where + QStringLiteral("：%1 が見つかりません。その後、変更履歴が書き換えられたか、"
                                      "末尾が切り取られています。")
                           .arg(h.head.shortForm());
    case HeadCheck::State::Unreachable:
        return QStringLiteral("バックアップフォルダ %1：読めません（取り外されているか、記録が"
                              "ありません）。")
            .arg(h.head.where);
    }
    return {};
}

} // namespace

QList<ReportLine> auditReport(const Audit &a) {
    using Tone = ReportLine::Tone;
    QList<ReportLine> lines;
    const Tone chainTone =
        a.chain.intact() || a.chain.error == FileError::NotFound ? Tone::Plain : Tone::Unexplained;
    for (const QString &l : checkText(a.chain).split(QLatin1Char('\n')))
        lines.append({l, chainTone});
    QList<const Finding *> wrong, interrupted, notCovered, unreadable;
    for (const Finding &f : a.findings)
        (f.kind == Kind::Interrupted  ? interrupted
         : f.kind == Kind::NotCovered ? notCovered
         : f.kind == Kind::Unreadable ? unreadable
                                      : wrong)
            .append(&f);
    lines.append(ReportLine());
    if (wrong.isEmpty())
        lines.append({unreadable.isEmpty()
                          ? QStringLiteral("タイムカード、基本設定と名簿の値は、すべて変更履歴の"
                                           "とおりです。")
                          : QStringLiteral("読み込めたタイムカード、基本設定と名簿の値は、すべて"
                                           "変更履歴のとおりです。")});
    else
        lines.append({QStringLiteral("次の %1 件は、変更履歴の記録と一致しません（プログラムの外"
                                     "で変更されたか、変更履歴が切り取られています）。")
                          .arg(wrong.size()),
                      Tone::Unexplained});
    for (const Finding *f : wrong)
        lines.append({QStringLiteral("・") + findingText(*f), Tone::Unexplained});
    if (!unreadable.isEmpty()) {
        lines.append(ReportLine());
        lines.append({QStringLiteral("次のものは読み込めないため、検査できませんでした。"),
                      Tone::Unexplained});
        for (const Finding *f : unreadable)
            lines.append({QStringLiteral("・") + findingText(*f), Tone::Unexplained});
    }
    if (!interrupted.isEmpty()) {
        lines.append(ReportLine());
        lines.append({QStringLiteral("次の変更は途中で止まったため行われていません"
                                     "（ファイルは変更前のままです）。"),
                      Tone::Interrupted});
        for (const Finding *f : interrupted)
            lines.append({QStringLiteral("・") + findingText(*f), Tone::Interrupted});
    }
    if (!notCovered.isEmpty()) {
        lines.append(ReportLine());
        lines.append(
            {QStringLiteral("次のものは、変更履歴の記録を始める前からあり、まだ記録の"
                            "対象になっていません（最初に書き込む時に記録を始めます）。")});
        for (const Finding *f : notCovered)
            lines.append({QStringLiteral("・") + findingText(*f)});
    }
    if (!a.heads.isEmpty()) {
        lines.append(ReportLine());
        lines.append({QStringLiteral("変更履歴の外に記録した末尾との照合：")});
        for (const HeadCheck &h : a.heads)
            lines.append({QStringLiteral("・") + headLine(h),
                          h.state == HeadCheck::State::NotHeld ? Tone::Unexplained : Tone::Plain});
    }
    lines.append(ReportLine());
    lines.append({QStringLiteral("変更履歴の末尾：") + a.head.shortForm()});
    return lines;
}

QStringList auditLines(const Audit &a) {
    QStringList texts;
    for (const ReportLine &l : auditReport(a))
        texts.append(l.text);
    return texts;
}

} // namespace history
