#include "tally/SuspendFiles.h"

#include "data/RecordFile.h"
#include "tally/StaffEntry.h"

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

QStringList groupsOf(const QStringList &entries) {
    QStringList records;
    records.reserve(entries.size() * kGroup);
    for (const QString &e : entries) {
        records.append(staffentry::codeOf(e));
        records.append(staffentry::storedNameOf(e));
        records.append(staffentry::isMarked(e) ? openedWord() : QString());
    }
    return records;
}

QStringList entriesOf(const QStringList &records, int count) {
    QStringList entries;
    for (int g = 0; g < count && g * kGroup < records.size(); ++g) {
        const QString code = records.value(g * kGroup);
        const QString name = records.value(g * kGroup + 1);
        const QString state = records.value(g * kGroup + 2);
        if (state == openedWord())
            entries.append(staffentry::format(code, name, true));
        else if (state.isEmpty())
            entries.append(staffentry::format(code, name, false));
    }
    return entries;
}

FileError writeFlags(FileSystem &fs, const QStringList &flags) {
    QStringList values = flags.mid(0, kFlagCount);
    while (values.size() < kFlagCount)
        values.append(QString());
    return records::write(fs, QLatin1String(kFlagsFile), values);
}

FileError writeList(FileSystem &fs, const QStringList &entries) {
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
