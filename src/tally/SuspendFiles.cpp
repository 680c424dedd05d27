#include "tally/SuspendFiles.h"

#include "data/RecordFile.h"

#include <algorithm>

namespace suspendfiles {

QString suspendedWord() {
    return QStringLiteral("ari");
}

QString openAtStartWord() {
    return QStringLiteral("soku");
}

QString openedWord() {
    return QStringLiteral("sumi");
}

QStringList groupsOf(const QList<EmployeeLine> &entries) {
    QStringList records;
    records.reserve(entries.size() * kGroup);
    for (const EmployeeLine &e : entries) {
        records.append(e.code.trimmed());
        records.append(e.name.left(kStoredNameLength).trimmed());
        records.append(e.marked ? openedWord() : QString());
    }
    return records;
}

QList<EmployeeLine> entriesOf(const QStringList &records, int count) {
    QList<EmployeeLine> entries;
    for (int g = 0; g < count && g * kGroup < records.size(); ++g) {
        const QString code = records.value(g * kGroup);
        const QString name = records.value(g * kGroup + 1);
        const QString state = records.value(g * kGroup + 2);
        if (state == openedWord())
            entries.append({code, name, true});
        else if (state.isEmpty())
            entries.append({code, name, false});
    }
    return entries;
}

FileError writeFlags(FileSystem &fs, const QStringList &flags) {
    QStringList values = flags.mid(0, kFlagCount);
    while (values.size() < kFlagCount)
        values.append(QString());
    return records::write(fs, QLatin1String(kFlagsFile), values);
}

FileError writeList(FileSystem &fs, const QList<EmployeeLine> &entries) {
    return records::write(fs, QLatin1String(kListFile), groupsOf(entries));
}

ListRead readList(FileSystem &fs, int count) {
    ListRead r;
    // No month holds more cards than this; a count beyond it is no list count.
    count = std::clamp(count, 0, kMaxEntries);
    const ReadResult file =
        fs.readFile(QLatin1String(kListFile), records::byteLimit(count * kGroup));
    r.error = file.error;
    if (file.ok() && count > 0)
        r.entries = entriesOf(records::parse(file.bytes), count);
    return r;
}

} // namespace suspendfiles
