#include "data/HistoryFile.h"

#include "data/RecordFile.h"
#include "platform/Codec932.h"
#include "platform/Sha256.h"

#include <algorithm>
#include <array>

namespace history {

namespace {

constexpr qint64 kChunk = 64 << 10;
constexpr qsizetype kHashDigits = 64;
// The closing value of a line: a quote, the hash, a quote.
constexpr qsizetype kOwnHashValue = kHashDigits + 2;

bool isHash(QByteArrayView v) {
    if (v.size() != kHashDigits)
        return false;
    for (const char c : v)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// "12" -> 12; -1 for anything but digits (and for more than 18 of them).
qint64 numberOf(QByteArrayView v) {
    if (v.isEmpty() || v.size() > 18)
        return -1;
    qint64 n = 0;
    for (const char c : v) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// The values of a line exactly as records::formatLine writes them, as views
// into it; false for anything else.
bool splitLine(QByteArrayView line, std::array<QByteArrayView, kValues> &v) {
    records::LineViews views;
    if (!records::splitLine(line, views) || views.size() != kValues)
        return false;
    std::copy(views.begin(), views.end(), v.begin());
    return true;
}

// A value as text; the values that repeat from record to record (the month,
// the function) are kept, so that one text serves them all.
QString text(QByteArrayView v) {
    return cp932::decode(v);
}
QString repeated(QByteArrayView v, QByteArray &lastBytes, QString &lastText) {
    if (v != QByteArrayView(lastBytes)) {
        lastBytes = v.toByteArray();
        lastText = text(v);
    }
    return lastText;
}

} // namespace

QByteArray hashOf(QByteArrayView bytes) {
    return Sha256::hex(bytes);
}

QByteArray firstPrevious() {
    return QByteArray(kHashDigits, '0');
}

Inspected inspect(QByteArrayView line) {
    Inspected in;
    std::array<QByteArrayView, kValues> v;
    if (!splitLine(line, v))
        return in;
    Record &out = in.record;
    const QByteArrayView place = v[11];
    const qsizetype slash = place.indexOf('/');
    out.number = numberOf(v[0]);
    out.part = slash > 0 ? static_cast<int>(numberOf(place.first(slash))) : -1;
    out.parts = slash > 0 ? static_cast<int>(numberOf(place.sliced(slash + 1))) : -1;
    if (out.number < 1 || out.part < 1 || out.parts < out.part || !isHash(v[kPrevious]) ||
        !isHash(v[13]))
        return in;
    thread_local QByteArray monthBytes, functionBytes;
    thread_local QString monthText, functionText;
    out.when = text(v[1]);
    out.function = repeated(v[2], functionBytes, functionText);
    out.entry = {repeated(v[3], monthBytes, monthText),
                 text(v[4]),
                 static_cast<int>(numberOf(v[5])),
                 text(v[6]),
                 static_cast<int>(numberOf(v[7])),
                 text(v[8]),
                 text(v[9])};
    out.reason = text(v[10]);
    in.previous = v[kPrevious].toByteArray();
    // One pass: the line up to its own hash, then the rest for the line's hash.
    Sha256 h;
    h.add(line.first(line.size() - kOwnHashValue));
    const bool own = h.hexSoFarIs(v[13]);
    h.add(line.last(kOwnHashValue));
    in.hash = h.hexSoFar();
    in.fault = own ? LineFault::None : LineFault::Changed;
    return in;
}

bool parseRecord(QByteArrayView line, Record &out) {
    Inspected in = inspect(line);
    out = std::move(in.record);
    return in.fault == LineFault::None;
}

bool LineStream::fill() {
    if (m_end || m_error != FileError::None)
        return false;
    const ReadResult r = m_fs.readPart(m_path, m_read, kChunk);
    if (!r.ok()) {
        m_error = r.error;
        return false;
    }
    if (r.bytes.isEmpty()) {
        m_end = true;
        return false;
    }
    m_buffer.append(r.bytes);
    m_read += r.bytes.size();
    return true;
}

bool LineStream::next(Line &line) {
    line = Line();
    line.start = m_offset;
    qsizetype scan = 0;
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', scan);
        if (nl >= 0) {
            const qsizetype length = nl > 0 && m_buffer[nl - 1] == '\r' ? nl - 1 : nl;
            if (!line.tooLong)
                line.text = m_buffer.left(length);
            line.terminated = true;
            m_offset += nl + 1;
            line.end = m_offset;
            m_buffer.remove(0, nl + 1);
            return true;
        }
        if (m_buffer.size() > kMaxLine) {
            // Never a record: skipped piece by piece.
            m_offset += m_buffer.size();
            m_buffer.clear();
            line.tooLong = true;
            line.text.clear();
        }
        scan = m_buffer.size();
        if (fill())
            continue;
        if (m_error != FileError::None || (m_buffer.isEmpty() && !line.tooLong))
            return false;
        if (!line.tooLong)
            line.text = m_buffer;
        m_offset += m_buffer.size();
        line.end = m_offset;
        m_buffer.clear();
        return true;
    }
}

QByteArrayView recordText(const LineStream::Line &line) {
    QByteArrayView text(line.text);
    if (!line.terminated && text.endsWith('\r'))
        text.chop(1);
    return text;
}

FileError forEachRecordOf(FileSystem &fs, const QString &month,
                          const std::function<void(const Record &)> &take) {
    LineStream stream(fs, QLatin1String(kFileName));
    LineStream::Line l;
    while (stream.next(l)) {
        if (l.tooLong)
            continue;
        const Inspected in = inspect(recordText(l));
        if (in.fault != LineFault::Form && in.record.entry.month == month)
            take(in.record);
    }
    return stream.error() == FileError::NotFound ? FileError::None : stream.error();
}

} // namespace history
