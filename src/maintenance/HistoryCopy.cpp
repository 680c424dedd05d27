#include "maintenance/HistoryCopy.h"

#include "data/FileFailure.h"
#include "data/MonthFolders.h"

namespace historycopy {

namespace {

using monthfolders::inFolder;
using Kind = Result::Kind;

// A history is read whole to be copied; far more than years of records.
constexpr qint64 kMaxBytes = qint64(1) << 30;
constexpr qint64 kPiece = 1 << 20;

QString fileName() {
    return QLatin1String(history::kFileName);
}

// Whether the file at shorter holds exactly the first bytes of the file at
// longer, read piece by piece.
bool startsOf(FileSystem &fs, const QString &shorter, qint64 size, const QString &longer,
              FileError &error) {
    for (qint64 at = 0; at < size; at += kPiece) {
        const ReadResult a = fs.readPart(shorter, at, kPiece);
        const ReadResult b = fs.readPart(longer, at, a.bytes.size());
        if (!a.ok() || !b.ok()) {
            error = !a.ok() ? a.error : b.error;
            return false;
        }
        if (a.bytes.isEmpty() || a.bytes != b.bytes)
            return false;
    }
    return true;
}

// A name beside the history, free in folder: Rireki-20070301-090000.Dat.
QString besideName(FileSystem &fs, const QString &folder, const QDateTime &when) {
    const QString stem =
        QStringLiteral("Rireki-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem + QStringLiteral(".Dat");
    for (int n = 2; fs.exists(inFolder(folder, name)); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".Dat");
    return name;
}

} // namespace

Result copy(FileSystem &fs, const QString &sourceBase, const QString &targetBase, bool dataIsTarget,
            const QDateTime &when) {
    Result r;
    const QString source = inFolder(sourceBase, fileName());
    const QString target = inFolder(targetBase, fileName());
    const ReadResult from = fs.readPart(source, 0, 0);
    if (from.error == FileError::NotFound)
        return r;
    const ReadResult to = fs.readPart(target, 0, 0);
    auto fail = [&r](FileError e) {
        r.kind = Kind::Failed;
        r.error = e;
        return r;
    };
    if (!from.ok())
        return fail(from.error);
    if (!to.ok() && to.error != FileError::NotFound)
        return fail(to.error);
    const qint64 toSize = to.ok() ? to.fileSize : 0;
    FileError e = FileError::None;
    if (toSize <= from.fileSize && startsOf(fs, target, toSize, source, e)) {
        if (toSize == from.fileSize) {
            r.kind = Kind::Same;
            return r;
        }
        r.kind = Kind::Taken;
    } else if (e == FileError::None && from.fileSize < toSize &&
               startsOf(fs, source, from.fileSize, target, e)) {
        r.kind = Kind::TargetKept;
        return r;
    } else if (e == FileError::None) {
        r.kind = Kind::BothKept;
    }
    if (e != FileError::None)
        return fail(e);
    const ReadResult bytes = fs.readFile(source, kMaxBytes);
    if (!bytes.ok())
        return fail(bytes.error);
    // Went apart: the data folder's history keeps the name on both sides.
    QString written = target;
    if (r.kind == Kind::BothKept) {
        r.beside = besideName(fs, targetBase, when);
        if (dataIsTarget) {
            written = inFolder(targetBase, r.beside);
        } else {
            const ReadResult old = fs.readFile(target, kMaxBytes);
            if (!old.ok())
                return fail(old.error);
            if (const FileError k = fs.replaceFile(inFolder(targetBase, r.beside), old.bytes);
                !isSaved(k))
                return fail(k);
        }
    }
    r.error = fs.replaceFile(written, bytes.bytes);
    if (!isSaved(r.error))
        return fail(r.error);
    fs.forgetCached(written);
    r.checked = history::checkChain(fs, written);
    return r;
}

QStringList notes(const Result &r, bool restore) {
    QStringList lines;
    const QString name = fileName();
    switch (r.kind) {
    case Kind::Failed:
        lines.append(name + QStringLiteral("：変更履歴をコピーできませんでした（") +
                     filefailure::reason(r.error) + QStringLiteral("）。"));
        return lines;
    case Kind::BothKept:
        lines.append(
            restore
                ? name + QStringLiteral("：データフォルダの変更履歴とバックアップの変更履歴が食い"
                                        "違うため、両方を残しました。データフォルダのものは %1 "
                                        "のまま続け、バックアップのものは %2 として残しました。")
                             .arg(name, r.beside)
                : name + QStringLiteral("：バックアップフォルダにあった変更履歴は、この"
                                        "データフォルダのものと食い違うため、%1 として残し"
                                        "ました。")
                             .arg(r.beside));
        break;
    case Kind::TargetKept:
        if (restore)
            lines.append(name + QStringLiteral("：データフォルダの変更履歴はバックアップのものより"
                                               "新しいため、そのまま残しました。"));
        return lines;
    default:
        break;
    }
    if (r.written() && !r.checked.intact() && r.checked.error != FileError::NotFound)
        lines.append(QStringLiteral("コピーした変更履歴を検査しました：") +
                     history::checkText(r.checked));
    return lines;
}

} // namespace historycopy
