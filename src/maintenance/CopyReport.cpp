#include "maintenance/CopyReport.h"

#include "data/FileFailure.h"

#include <algorithm>

namespace copyreport {

QString notDeletedLine(const QString &month, qsizetype cards, FileError e) {
    return month + QStringLiteral("：") + QString::number(cards) +
           QStringLiteral(" 件のタイムカードを削除できませんでした（") + filefailure::reason(e) +
           QStringLiteral("）。");
}

QString linkLine(const QString &month, const QString &action) {
    return month + QStringLiteral("：別の場所を指すリンクのため、") + action +
           QStringLiteral("しませんでした。");
}

QString notKeptLine(const QString &month, const QString &action, FileError e) {
    return month + QStringLiteral("：タイムカードの控えを残せないため、") + action +
           QStringLiteral("しませんでした（") + filefailure::reason(e) + QStringLiteral("）。");
}

QString problemsText(const QString &heading, const QStringList &lines) {
    QString text = heading;
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), kShown); ++i)
        text += QLatin1Char('\n') + lines[i];
    if (lines.size() > kShown)
        text += QStringLiteral("\nほか ") + QString::number(lines.size() - kShown) +
                QStringLiteral(" 件");
    return text;
}

} // namespace copyreport
