#pragma once

#include "platform/FileError.h"

#include <QString>
#include <QStringList>

// The wording of what a deletion or a copy could not do, one line per month
// or file, gathered into one box.
namespace copyreport {

// "2007年3月：3 件のタイムカードを削除できませんでした（…）。"
QString notDeletedLine(const QString &month, qsizetype cards, FileError e);

// The heading, then the lines; past the first kShown lines only their number.
inline constexpr int kShown = 15;
QString problemsText(const QString &heading, const QStringList &lines);

} // namespace copyreport
