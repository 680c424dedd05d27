#include "data/HistoryCover.h"

#include "data/CalcSettings.h"
#include "data/HistoryTail.h"
#include "data/MonthFolders.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

namespace history {

namespace {

QString path() {
    return QLatin1String(kFileName);
}

bool isBasic(const QString &file) {
    return file == QLatin1String(kSettingsFile) || file == QLatin1String(kRosterFile);
}

// Whether the history's line ending at the head's offset is the head's.
bool holds(FileSystem &fs, const Head &h) {
    if (!h.isSet() || h.end <= 0)
        return false;
    const qint64 from = std::max<qint64>(0, h.end - kMaxLine);
    const ReadResult r = fs.readPart(path(), from, h.end - from);
    if (!r.ok() || r.bytes.size() != h.end - from || !r.bytes.endsWith("\r\n"))
        return false;
    const qsizetype before = r.bytes.lastIndexOf('\n', r.bytes.size() - 2);
    if (before < 0 && from > 0)
        return false;
    return hashOf(QByteArrayView(r.bytes).sliced(before + 1, r.bytes.size() - before - 3)) ==
           h.hash;
}

} // namespace

QString coverageOf(const Record &r) {
    const Entry &e = r.entry;
    if (isBasic(e.month))
        return e.month;
    if (!isCardMonth(e.month))
        return {};
    if (r.function == word::kiten || r.function == word::junbi)
        return e.month;
    if (r.function == word::hukugen && e.row < 0 && e.field < 0 && !e.newText.isEmpty())
        return e.month;
    return {};
}

Known known(FileSystem &fs, Anchor &anchor) {
    Known k;
    const Head stored = anchor.head();
    const bool kept = holds(fs, stored);
    if (stored.isSet() && !kept)
        anchor.addLost(stored);
    if (kept) {
        k.head = stored;
        k.covered = anchor.covered();
        k.fromAnchor = true;
    }
    LineStream stream(fs, path(), k.head.end);
    LineStream::Line l;
    while (stream.next(l)) {
        ++k.head.lines;
        k.head.end = l.end;
        if (l.tooLong) {
            k.head.hash = firstPrevious();
            continue;
        }
        const Inspected in = inspect(recordText(l));
        k.head.hash = in.fault == LineFault::Form ? hashOf(l.text) : in.hash;
        if (in.fault != LineFault::Form)
            if (const QString c = coverageOf(in.record); !c.isEmpty())
                k.covered.insert(c);
    }
    k.error = stream.error() == FileError::NotFound ? FileError::None : stream.error();
    return k;
}

Head tailHead(FileSystem &fs) {
    const Tail t = readTail(fs);
    Head h;
    if (t.error == FileError::None && t.lastNumber > 0) {
        h.lines = t.lastNumber;
        h.hash = t.lastHash;
    }
    return h;
}

QList<Entry> baselineOf(FileSystem &fs, const QString &file) {
    QList<Entry> entries;
    if (isBasic(file)) {
        const bool settings = file == QLatin1String(kSettingsFile);
        const records::Read r =
            records::read(fs, file, settings ? CalcSettings::kCount : Roster::kValues);
        if (!r.ok() && r.error != FileError::NotFound)
            return entries;
        // Every setting, empty ones too; a roster that holds nothing is one
        // record of its first value.
        if (settings) {
            for (int i = 0; i < CalcSettings::kCount; ++i)
                entries.append({file, {}, -1, {}, i, {}, r.values[i]});
            return entries;
        }
        entries = valueChanges(file, QStringList(r.values.size(), QString()), r.values);
        if (entries.isEmpty())
            entries.append({file, {}, 0, {}, 0, {}, {}});
        return entries;
    }
    const QString suffix = QLatin1String(cardfile::kSuffix);
    for (const QString &name : monthfolders::cardNames(fs, file)) {
        const QString code = name.left(name.size() - suffix.size());
        const cardfile::Read card = cardfile::read(fs, file, code);
        // A card that cannot be read stays out: the check names it.
        if (card.ok())
            entries += cardAsItIs(file, code, card.table);
    }
    return entries;
}

} // namespace history
