#pragma once

#include "platform/FileError.h"

#include <QString>
#include <QStringList>

// The wording of what a deletion or a copy could not do, one line per month
// or file, gathered into one box.
namespace copyreport {

// "2007年3月：3 件のタイムカードを削除できませんでした（…）。"
QString notDeletedLine(const QString &month, qsizetype cards, FileError e);

// "2007年3月：別の場所を指すリンクのため、" + action + "しませんでした。": a month
// folder of the data folder that is a symbolic link is never followed.
QString linkLine(const QString &month, const QString &action);

// "2007年3月：タイムカードの控えを残せないため、" + action + "しませんでした（…）。"
QString notKeptLine(const QString &month, const QString &action, FileError e);

// The heading, then the lines; past the first kShown lines only their number.
inline constexpr int kShown = 15;
QString problemsText(const QString &heading, const QStringList &lines);

} // namespace copyreport
