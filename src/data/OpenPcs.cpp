#include "data/OpenPcs.h"

#include "data/RecordFile.h"

namespace openpcs {

namespace {

constexpr int kValues = 3;

// Every line the file holds, live or not; a value left over ends the list.
QList<Pc> readAll(FileSystem &fs, FileError &error) {
    const ReadResult file = fs.readFile(QLatin1String(kFileName));
    error = file.error == FileError::NotFound ? FileError::None : file.error;
    QList<Pc> pcs;
    const QStringList values = records::parse(file.bytes);
    for (qsizetype i = 0; i + kValues <= values.size(); i += kValues) {
        bool ok = false;
        const int mark = values[i + 2].toInt(&ok);
        pcs.append({values[i], values[i + 1], ok ? mark : -1});
    }
    return pcs;
}

QList<Pc> live(FileSystem &fs, const QList<Pc> &pcs) {
    QList<Pc> out;
    for (const Pc &pc : pcs)
        if (fs.markHeld(pc.mark))
            out.append(pc);
    return out;
}

FileError write(FileSystem &fs, const QList<Pc> &pcs) {
    QStringList values;
    for (const Pc &pc : pcs)
        values << pc.host << pc.started << QString::number(pc.mark);
    return records::write(fs, QLatin1String(kFileName), values);
}

} // namespace

List enter(FileSystem &fs, const QString &host, const QDateTime &started) {
    List list;
    const int mark = fs.holdMark();
    if (mark < 0)
        return list;
    const FileLock lock = fs.lockFile(QLatin1String(kFileName));
    if (!lock.held()) {
        list.error = lock.error();
        return list;
    }
    // A line of this mark is of a program gone before this one took it.
    QList<Pc> pcs = live(fs, readAll(fs, list.error));
    pcs.removeIf([mark](const Pc &pc) { return pc.mark == mark; });
    pcs.append({host, started.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")), mark});
    const FileError e = write(fs, pcs);
    if (!isSaved(e))
        list.error = e;
    list.pcs = pcs;
    return list;
}

List running(FileSystem &fs) {
    List list;
    list.pcs = live(fs, readAll(fs, list.error));
    return list;
}

FileError leave(FileSystem &fs) {
    const int mark = fs.holdMark();
    if (mark < 0)
        return FileError::None;
    const FileLock lock = fs.lockFile(QLatin1String(kFileName));
    if (!lock.held())
        return lock.error();
    FileError error = FileError::None;
    QList<Pc> pcs = live(fs, readAll(fs, error));
    if (error != FileError::None)
        return error;
    pcs.removeIf([mark](const Pc &pc) { return pc.mark == mark; });
    return write(fs, pcs);
}

QString statusText(const List &list, bool marked) {
    if (!marked)
        return QStringLiteral("ほかのパソコンの使用状況は確かめられません");
    return QStringLiteral("このデータフォルダを開いているパソコン：%1台")
        .arg(std::max<qsizetype>(1, list.pcs.size()));
}

QString toolTip(const List &list) {
    QStringList lines;
    for (const Pc &pc : list.pcs)
        lines.append(pc.host + QStringLiteral("（") + pc.started + QStringLiteral(" から）"));
    return lines.join(QLatin1Char('\n'));
}

QString noLockingText() {
    return QStringLiteral(
        "このデータフォルダのある場所では、ファイルのロックが使えません。\n"
        "このままほかのパソコンと同時に使うと、打刻や変更が失われることがあります。\n"
        "ファイルサーバーの共有の設定（マウントのオプション）を確かめてください。");
}

} // namespace openpcs
