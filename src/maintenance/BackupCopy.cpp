#include "maintenance/BackupCopy.h"

#include "data/FileFailure.h"

#include <algorithm>

namespace backupcopy {

using monthfolders::inFolder;

namespace {

// A listed month name is one folder name; anything else would leave the
// chosen folders.
bool isOneName(const QString &name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString namesText(const QStringList &names) {
    constexpr int kNamed = 3;
    QString text = names.mid(0, kNamed).join(QStringLiteral("、"));
    if (names.size() > kNamed)
        text += QStringLiteral(" ほか");
    return text;
}

} // namespace

QList<MonthResult> copyMonths(FileSystem &fs, const QString &sourceBase, const QString &targetBase,
                              const QStringList &months, bool verify) {
    QList<MonthResult> results(months.size());
    QList<std::pair<QString, QString>> folders;
    QList<qsizetype> at;
    for (qsizetype i = 0; i < months.size(); ++i) {
        results[i].month = months[i];
        if (!isOneName(months[i])) {
            results[i].copy.error = FileError::PathNotFound;
            continue;
        }
        const QString target = inFolder(targetBase, months[i]);
        if (fs.isFolder(target))
            fs.clearStaleTemps(target);
        folders.append({inFolder(sourceBase, months[i]), target});
        at.append(i);
    }
    const QList<monthfolders::CopyResult> copies = monthfolders::copyMonths(fs, folders);
    for (qsizetype k = 0; k < at.size(); ++k) {
        MonthResult &r = results[at[k]];
        r.copy = copies.value(k);
        if (verify && r.copy.ok())
            r.differing =
                monthfolders::verifyMonth(fs, folders[k].first, folders[k].second, r.copy.written);
    }
    return results;
}

FileResult copyFile(FileSystem &fs, const QString &sourceBase, const QString &targetBase,
                    const QString &name, bool verify) {
    FileResult r;
    r.name = name;
    const ReadResult source = fs.readFile(inFolder(sourceBase, name));
    if (!source.ok()) {
        r.error = source.error;
        return r;
    }
    const QString target = inFolder(targetBase, name);
    r.error = fs.replaceFile(target, source.bytes);
    if (verify && isSaved(r.error)) {
        fs.forgetCached(target);
        const ReadResult back = fs.readFile(target);
        r.differs = !back.ok() || back.bytes != source.bytes;
    }
    return r;
}

int Report::wholeMonths() const {
    return static_cast<int>(std::count_if(months.begin(), months.end(),
                                          [](const MonthResult &m) { return m.whole(); }));
}

QStringList Report::problems() const {
    QStringList lines = refused;
    const QString sep = QStringLiteral("：");
    for (const MonthResult &m : months) {
        const monthfolders::CopyResult &c = m.copy;
        if (!c.ok() && c.copied > 0)
            lines.append(m.month + sep + QString::number(c.copied + c.notWritten) +
                         QStringLiteral(" 件のうち ") + QString::number(c.copied) +
                         QStringLiteral(" 件だけ書き込みました（") + namesText(c.written) +
                         QStringLiteral("）。残りの ") + QString::number(c.notWritten) +
                         QStringLiteral(" 件は書き込めませんでした（") +
                         filefailure::reason(c.error) + QStringLiteral("）。"));
        else if (!c.ok() && c.notWritten > 0)
            lines.append(m.month + sep + QString::number(c.notWritten) +
                         QStringLiteral(" 件のファイルを書き込めませんでした（") +
                         filefailure::reason(c.error) + QStringLiteral("）。"));
        else if (!c.ok())
            lines.append(m.month + sep + QStringLiteral("コピーできませんでした（") +
                         filefailure::reason(c.error) + QStringLiteral("）。"));
        if (!c.skipped.isEmpty())
            lines.append(m.month + sep + QString::number(c.skipped.size()) +
                         QStringLiteral(" 件のファイルは読み込めないため、コピーしませんでした（") +
                         namesText(c.skipped) + QStringLiteral("）。"));
        for (const QString &file : m.differing)
            lines.append(m.month + sep + file +
                         QStringLiteral(" は、コピー先で読み直した内容が元と一致しません。"));
    }
    if (history && history->kind == historycopy::Result::Kind::Failed)
        lines.append(historycopy::notes(*history, false).value(0));
    for (const FileResult &f : files) {
        // A file the backup does not have stays as it is: nothing to copy.
        if (f.error == FileError::NotFound)
            continue;
        if (!isSaved(f.error))
            lines.append(f.name + sep + QStringLiteral("コピーできませんでした（") +
                         filefailure::reason(f.error) + QStringLiteral("）。"));
        else if (f.differs)
            lines.append(f.name + QStringLiteral("：コピー先で読み直した内容が元と一致しません。"));
    }
    return lines;
}

QStringList Report::unconfirmed() const {
    QStringList names;
    for (const MonthResult &m : months)
        if (m.copy.error == FileError::Unconfirmed)
            names.append(m.month);
    for (const FileResult &f : files)
        if (f.error == FileError::Unconfirmed)
            names.append(f.name);
    return names;
}

} // namespace backupcopy
