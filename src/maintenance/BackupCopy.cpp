#include "maintenance/BackupCopy.h"

#include "maintenance/CopyReport.h"

#include <algorithm>

namespace backupcopy {

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

QString inFolder(const QString &base, const QString &name) {
    if (base.isEmpty())
        return name;
    return base.endsWith(QLatin1Char('/')) ? base + name : base + QLatin1Char('/') + name;
}

MonthResult copyMonth(FileSystem &fs, const QString &sourceBase, const QString &targetBase,
                      const QString &month, bool verify) {
    MonthResult r;
    r.month = month;
    if (!isOneName(month)) {
        r.copy.error = FileError::PathNotFound;
        return r;
    }
    const QString source = inFolder(sourceBase, month);
    const QString target = inFolder(targetBase, month);
    if (fs.isFolder(target))
        fs.clearStaleTemps(target);
    r.copy = monthfolders::copyMonth(fs, source, target);
    if (verify && r.copy.ok())
        r.differing = monthfolders::verifyMonth(fs, source, target, r.copy.written);
    return r;
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
    return static_cast<int>(
        std::count_if(months.begin(), months.end(), [](const MonthResult &m) { return m.whole(); }));
}

QStringList Report::problems() const {
    QStringList lines;
    const QString sep = QStringLiteral("：");
    for (const MonthResult &m : months) {
        const monthfolders::CopyResult &c = m.copy;
        if (!c.ok() && c.notWritten > 0)
            lines.append(m.month + sep + QString::number(c.notWritten) +
                         QStringLiteral(" 件のファイルを書き込めませんでした（") +
                         copyreport::reason(c.error) + QStringLiteral("）。"));
        else if (!c.ok())
            lines.append(m.month + sep + QStringLiteral("コピーできませんでした（") +
                         copyreport::reason(c.error) + QStringLiteral("）。"));
        if (!c.skipped.isEmpty())
            lines.append(m.month + sep + QString::number(c.skipped.size()) +
                         QStringLiteral(" 件のファイルは読み込めないため、コピーしませんでした（") +
                         namesText(c.skipped) + QStringLiteral("）。"));
        for (const QString &file : m.differing)
            lines.append(m.month + sep + file +
                         QStringLiteral(" は、コピー先で読み直した内容が元と一致しません。"));
    }
    for (const FileResult &f : files) {
        if (!isSaved(f.error))
            lines.append(f.name + sep + QStringLiteral("コピーできませんでした（") +
                         copyreport::reason(f.error) + QStringLiteral("）。"));
        else if (f.differs)
            lines.append(f.name +
                         QStringLiteral("：コピー先で読み直した内容が元と一致しません。"));
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
