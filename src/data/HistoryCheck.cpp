#include "data/HistoryCheck.h"

#include "data/HistoryTail.h"
#include "data/HistoryTargets.h"

namespace history {

using Fault = LineFault;

namespace {

CheckResult scanChain(FileSystem &fs, const QString &path, Scanner &scan) {
    CheckResult r;
    r.error = scanFile(fs, path, scan);
    if (r.error == FileError::None && scan.lines == 0 && !fs.exists(path))
        r.error = FileError::NotFound;
    r.lines = scan.lines;
    r.badLine = scan.badLine;
    r.fault = scan.fault;
    r.badWhen = scan.badWhen;
    r.lastWhen = scan.lastWhen;
    // A whole last line without its line end is no fault: a crash may leave
    // it so, and the next group completes it.
    if (r.error == FileError::None && scan.interrupted) {
        r.unfinished = scan.tailLines();
        r.unfinishedFrom = scan.whole.lines + 1;
    }
    return r;
}

} // namespace

CheckResult checkChain(FileSystem &fs, const QString &path) {
    Scanner scan;
    return scanChain(fs, path, scan);
}

CheckResult check(FileSystem &fs) {
    Scanner scan;
    return check(fs, scan);
}

CheckResult check(FileSystem &fs, Scanner &scan) {
    CheckResult r = scanChain(fs, QLatin1String(kFileName), scan);
    if (r.error != FileError::None)
        return r;
    // What the next write settles: the last group, when nothing but an
    // interrupted write follows it.
    if (scan.interrupted || scan.tailLines() == 0)
        r.notMade = notMade(fs, scan.lastGroup);
    return r;
}

namespace {

QString numbersOf(const QList<Entry> &entries) {
    QStringList numbers;
    for (const Entry &e : entries)
        numbers.append(e.reason);
    return numbers.size() > 3 ? numbers.first() + QStringLiteral("～") + numbers.last()
                              : numbers.join(QLatin1Char(','));
}

QString interruptedText(const CheckResult &r) {
    QString text;
    if (r.unfinished > 0)
        text += QStringLiteral("最後の %1 行（%2 行目から）は、書き込みの途中で止まった記録です。"
                               "その変更は行われていません。次の書き込みの前に取り除きます。\n")
                    .arg(r.unfinished)
                    .arg(r.unfinishedFrom);
    if (!r.notMade.isEmpty())
        text += QStringLiteral("最後の記録（%1番）の変更は、途中で止まったため行われていません"
                               "（ファイルは変更前のままです）。次の書き込みの前に、そのことを"
                               "記録します。\n")
                    .arg(numbersOf(r.notMade));
    return text;
}

} // namespace

QString checkText(const CheckResult &r) {
    const QString path = QLatin1String(kFileName);
    if (r.error == FileError::NotFound)
        return QStringLiteral("変更履歴はまだありません。");
    if (r.error != FileError::None)
        return QStringLiteral("変更履歴（%1）を読み込めませんでした（エラー番号 %2）。")
            .arg(path)
            .arg(errorNumber(r.error));
    const QString interrupted = interruptedText(r);
    if (r.intact())
        return interrupted +
               QStringLiteral("変更履歴を検査しました。%1 件の記録に、書き換えや削除は"
                              "見つかりませんでした。")
                   .arg(r.lines - r.unfinished) +
               (r.lastWhen.isEmpty() ? QString() : QStringLiteral("\n最後の記録：") + r.lastWhen);
    QString text = QStringLiteral("変更履歴の %1 行目").arg(r.badLine);
    if (!r.badWhen.isEmpty())
        text += QStringLiteral("（%1 の記録）").arg(r.badWhen);
    text += QStringLiteral("が一致しません。\n");
    switch (r.fault) {
    case Fault::Form:
        text += QStringLiteral("この行は変更履歴の記録の形をしていません。");
        break;
    case Fault::Changed:
        text += QStringLiteral("この行が書き換えられています。");
        break;
    case Fault::Chain:
        text += r.badLine == 1
                    ? QStringLiteral("この行より前にあった記録が削除されています。")
                    : QStringLiteral("この行の前の記録が書き換えられたか、削除されています。");
        break;
    case Fault::Number:
        text += QStringLiteral("記録の番号が続いていません。");
        break;
    case Fault::None:
        break;
    }
    if (r.badLine > 1)
        text +=
            QStringLiteral("\nそれより前の %1 件の記録は正しく続いています。").arg(r.badLine - 1);
    return text + (interrupted.isEmpty() ? QString() : QLatin1Char('\n') + interrupted);
}

} // namespace history
