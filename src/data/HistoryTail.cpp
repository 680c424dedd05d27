#include "data/HistoryTail.h"

#include <algorithm>

namespace history {

namespace {

QString path() {
    return QLatin1String(kFileName);
}

// What a last line lacks of its line end.
QByteArray missingLineEnd(const LineStream::Line &l) {
    if (l.terminated)
        return {};
    return l.text.endsWith('\r') ? QByteArray("\n") : QByteArray("\r\n");
}

} // namespace

Scanner::Scanner() : m_expected(firstPrevious()), m_previousHash(firstPrevious()) {
    whole.hash = firstPrevious();
}

void Scanner::take(const LineStream::Line &l, Inspected in) {
    ++lines;
    const Record &rec = in.record;
    const bool values = in.fault != LineFault::Form;
    // The chain from the first line: only its first fault is named.
    if (badLine == 0) {
        LineFault f = in.fault;
        if (f == LineFault::None && in.previous != m_expected)
            f = LineFault::Chain;
        else if (f == LineFault::None && rec.number != lines)
            f = LineFault::Number;
        if (f != LineFault::None) {
            fault = f;
            badLine = lines;
            badWhen = rec.when;
        } else {
            m_expected = in.hash;
            lastWhen = rec.when;
        }
    }
    // Whole groups, each judged by itself and the line before it. The record
    // moves into the group: its place is kept aside.
    const qint64 number = rec.number;
    const int part = rec.part, parts = rec.parts;
    const bool fits = in.fault == LineFault::None && in.previous == m_previousHash;
    if (fits && part == 1) {
        m_group.clear();
        m_group.append(std::move(in.record));
        m_nextPart = 2;
    } else if (fits && m_nextPart == part && m_group.last().parts == parts &&
               m_group.last().number + 1 == number) {
        m_group.append(std::move(in.record));
        ++m_nextPart;
    } else {
        m_group.clear();
        m_nextPart = 0;
    }
    if (hashesAt.contains(lines))
        hashesAt[lines] = values ? in.hash : (l.tooLong ? QByteArray() : hashOf(l.text));
    if (!m_group.isEmpty() && part == parts) {
        whole = {l.end, lines, number, in.hash, missingLineEnd(l)};
        if (onWhole)
            onWhole(m_group);
        lastGroup.swap(m_group);
        m_group.clear();
        m_nextPart = 0;
        m_oldInTail = m_newInTail = false;
    } else if (values) {
        // A record the unfinished group can hold stands at its own place in it.
        (number - whole.number == part ? m_newInTail : m_oldInTail) = true;
    }
    m_previousHash = values ? in.hash : QByteArray();
    // A line that is no record is hashed only if it stays the last.
    lastLineHash = values ? in.hash : QByteArray();
    m_lastText = values || l.tooLong ? QByteArray() : l.text;
    lastLineNumber = values ? number : lines;
    lastLineEnd = missingLineEnd(l);
}

void Scanner::finish(qint64 fileSize) {
    if (lastLineHash.isEmpty() && lines > 0)
        lastLineHash = hashOf(m_lastText);
    // A crash leaves records of the unfinished group, or a torn page of no
    // record at all; never a record that stands elsewhere.
    interrupted =
        tailLines() > 0 && !m_oldInTail && (m_newInTail || fileSize - whole.offset <= kMaxLine);
    if (interrupted && badLine > whole.lines) {
        badLine = 0;
        fault = LineFault::None;
        badWhen.clear();
    }
}

namespace {

// The usual case, from the last bytes alone: the file ends with a whole group
// chained to the line before it. A group longer than the bytes read (a
// preparation records every value of its cards) is read back as far as it
// reaches. False when the whole file must be read.
bool readEnd(FileSystem &fs, Tail &t, qint64 window = kMaxLine) {
    const ReadResult end = fs.readPart(path(), -1, window);
    if (end.error == FileError::NotFound || (end.ok() && end.fileSize == 0))
        return true;
    if (!end.ok()) {
        t.error = end.error;
        return true;
    }
    if (!end.bytes.endsWith('\n'))
        return false;
    const bool fromStart = end.fileSize == end.bytes.size();
    QList<QByteArrayView> lines;
    const QByteArrayView bytes(end.bytes);
    qsizetype stop = bytes.size() - 1;
    while (stop >= 0) {
        const qsizetype before = stop > 0 ? bytes.lastIndexOf('\n', stop - 1) : -1;
        if (before < 0 && !fromStart)
            break;
        QByteArrayView line = bytes.sliced(before + 1, stop - before - 1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.prepend(line);
        stop = before;
        if (before < 0)
            break;
    }
    if (lines.isEmpty())
        return false;
    const Inspected last = inspect(lines.last());
    const int parts = last.record.parts;
    if (last.fault != LineFault::None || last.record.part != parts)
        return false;
    // The group and the line before it, unless the group starts the file.
    const qsizetype first = lines.size() - parts;
    if ((first < 0 || first == 0) && !fromStart) {
        // Twice what the group's lines need at the length of those read.
        const qint64 perLine = end.bytes.size() / lines.size() + 1;
        return readEnd(fs, t, std::max(window * 2, perLine * (parts + 1) * 2));
    }
    if (first < 0)
        return false;
    QList<Inspected> group;
    for (qsizetype i = first; i < lines.size(); ++i)
        group.append(i == lines.size() - 1 ? last : inspect(lines[i]));
    QByteArray before = firstPrevious();
    if (first > 0) {
        const Inspected b = inspect(lines[first - 1]);
        before = b.fault == LineFault::Form ? hashOf(lines[first - 1]) : b.hash;
    }
    for (qsizetype i = 0; i < group.size(); ++i) {
        const Inspected &g = group[i];
        if (g.fault != LineFault::None || g.record.part != i + 1 || g.record.parts != parts ||
            g.previous != (i == 0 ? before : group[i - 1].hash) ||
            (i > 0 && g.record.number != group[i - 1].record.number + 1))
            return false;
    }
    t.lastHash = last.hash;
    t.lastNumber = last.record.number;
    for (const Inspected &g : group)
        t.lastGroup.append(g.record);
    return true;
}

} // namespace

FileError scanFile(FileSystem &fs, const QString &path, Scanner &scan) {
    LineStream stream(fs, path);
    LineStream::Line l;
    qint64 size = 0;
    while (stream.next(l)) {
        scan.take(l, l.tooLong ? Inspected() : inspect(recordText(l)));
        size = l.end;
    }
    scan.finish(size);
    return stream.error();
}

Tail readTail(FileSystem &fs) {
    Tail t;
    t.lastHash = firstPrevious();
    if (readEnd(fs, t))
        return t;
    Scanner scan;
    t.error = scanFile(fs, path(), scan);
    if (t.error == FileError::NotFound)
        t.error = FileError::None;
    if (t.error != FileError::None)
        return t;
    t.lastGroup = scan.lastGroup;
    if (scan.interrupted || scan.tailLines() == 0) {
        t.lastHash = scan.whole.hash;
        t.lastNumber = scan.whole.number;
        t.lineEnd = scan.whole.lineEnd;
        if (scan.interrupted) {
            t.keep = scan.whole.offset;
            t.dropped = static_cast<int>(scan.tailLines());
            t.lineEnd.clear();
        }
        return t;
    }
    // Lines that no crash leaves (records numbered before the last whole
    // group): they stay for the check to name, and new records chain on.
    t.lastGroup.clear();
    t.lastHash = scan.lastLineHash;
    t.lastNumber = scan.lastLineNumber;
    t.lineEnd = scan.lastLineEnd;
    return t;
}

Tail prepareTail(FileSystem &fs) {
    Tail t = readTail(fs);
    if (t.error == FileError::None && t.keep >= 0)
        t.error = fs.truncateFile(path(), t.keep);
    return t;
}

} // namespace history
