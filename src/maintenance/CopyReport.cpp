#include "maintenance/CopyReport.h"

#include <algorithm>

namespace copyreport {

QString reason(FileError e) {
    switch (e) {
    case FileError::DiskFull:
        return QStringLiteral("ディスクの空きが足りません");
    case FileError::PathFileAccess:
        return QStringLiteral("書き込みが禁止されているか、アクセスが許可されていません");
    case FileError::DeviceIO:
        return QStringLiteral("ディスクの読み書きに異常があります");
    case FileError::PathNotFound:
        return QStringLiteral("フォルダが見つかりません");
    case FileError::NotFound:
        return QStringLiteral("ファイルが見つかりません");
    case FileError::Damaged:
        return QStringLiteral("ファイルが壊れています");
    default:
        return QStringLiteral("エラー番号 ") + QString::number(errorNumber(e));
    }
}

QString notDeletedLine(const QString &month, qsizetype cards, FileError e) {
    return month + QStringLiteral("：") + QString::number(cards) +
           QStringLiteral(" 件のタイムカードを削除できませんでした（") + reason(e) +
           QStringLiteral("）。");
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
