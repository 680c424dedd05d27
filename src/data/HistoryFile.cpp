#include "data/HistoryFile.h"

#include "data/RecordFile.h"

namespace history {

namespace {

constexpr qint64 kChunk = 64 << 10;
constexpr qsizetype kHashDigits = 64;
// The closing value of a line: a quote, the hash, a quote.
constexpr qsizetype kOwnHashValue = kHashDigits + 2;

bool isHash(const QString &v) {
    if (v.size() != kHashDigits)
        return false;
    for (const QChar c : v)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    return true;
}

// "12" -> 12; -1 for anything but digits.
qint64 numberOf(const QString &v) {
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return ok && n >= 0 && !v.startsWith(QLatin1Char('+')) ? n : -1;
}

} // namespace

using Fault = LineFault;

Fault inspect(QByteArrayView line, Record &out, QByteArray &previous) {
    QStringList v;
    if (!records::parseLine(line, v) || v.size() != kValues)
        return Fault::Form;
    const qsizetype slash = v[11].indexOf(QLatin1Char('/'));
    out.number = numberOf(v[0]);
    out.part = slash > 0 ? static_cast<int>(numberOf(v[11].left(slash))) : -1;
    out.parts = slash > 0 ? static_cast<int>(numberOf(v[11].mid(slash + 1))) : -1;
    if (out.number < 1 || out.part < 1 || out.parts < out.part || !isHash(v[kPrevious]) ||
        !isHash(v[13]))
        return Fault::Form;
    out.when = v[1];
    out.function = v[2];
    out.entry = {
        v[3], v[4], static_cast<int>(numberOf(v[5])), v[6], static_cast<int>(numberOf(v[7])),
        v[8], v[9]};
    out.reason = v[10];
    previous = v[kPrevious].toLatin1();
    const QByteArrayView covered = line.first(line.size() - kOwnHashValue);
    return hashOf(covered) == v[13].toLatin1() ? Fault::None : Fault::Changed;
}

namespace {

// The last line of bytes that end with a line end, when the bytes hold its
// start (whole says they start at the file's start).
bool lastLineOf(const QByteArray &bytes, bool whole, QByteArrayView &line) {
    if (!bytes.endsWith('\n'))
        return false;
    qsizetype end = bytes.size() - 1;
    if (end > 0 && bytes[end - 1] == '\r')
        --end;
    const qsizetype before = end > 0 ? bytes.lastIndexOf('\n', end - 1) : -1;
    if (before < 0 && !whole)
        return false;
    line = QByteArrayView(bytes).sliced(before + 1, end - before - 1);
    return true;
}

QString path() {
    return QLatin1String(kFileName);
}

} // namespace

QByteArray hashOf(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray firstPrevious() {
    return QByteArray(kHashDigits, '0');
}

bool parseRecord(QByteArrayView line, Record &out) {
    QByteArray previous;
    return inspect(line, out, previous) == Fault::None;
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
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qsizetype scan = 0;
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n', scan);
        if (nl >= 0) {
            const qsizetype length = nl > 0 && m_buffer[nl - 1] == '\r' ? nl - 1 : nl;
            hash.addData(QByteArrayView(m_buffer).first(length));
            if (!line.tooLong)
                line.text = m_buffer.left(length);
            line.terminated = true;
            m_offset += nl + 1;
            line.end = m_offset;
            m_buffer.remove(0, nl + 1);
            line.hash = hash.result().toHex();
            return true;
        }
        if (m_buffer.size() > kMaxLine) {
            // Hashed piece by piece; the last byte waits, it may be the CR of
            // the line end.
            const qsizetype piece = m_buffer.size() - 1;
            hash.addData(QByteArrayView(m_buffer).first(piece));
            m_buffer.remove(0, piece);
            m_offset += piece;
            line.tooLong = true;
        }
        scan = m_buffer.size();
        if (fill())
            continue;
        if (m_error != FileError::None || (m_buffer.isEmpty() && !line.tooLong))
            return false;
        hash.addData(m_buffer);
        if (!line.tooLong)
            line.text = m_buffer;
        m_offset += m_buffer.size();
        line.end = m_offset;
        m_buffer.clear();
        line.hash = hash.result().toHex();
        return true;
    }
}

FileError forEachRecordOf(FileSystem &fs, const QString &month,
                          const std::function<void(const Record &)> &take) {
    LineStream stream(fs, path());
    LineStream::Line l;
    while (stream.next(l)) {
        Record rec;
        QByteArray previous;
        if (!l.tooLong && inspect(l.text, rec, previous) != Fault::Form && rec.entry.month == month)
            take(rec);
    }
    return stream.error() == FileError::NotFound ? FileError::None : stream.error();
}

namespace {

// Reads the history whole and cuts off an incomplete group at its end: the
// records of a group not followed by its last one, and a last line without
// line end. Lines that are no record stay: they are no unfinished writing of
// the program's, and the check names them.
Tail repair(FileSystem &fs) {
    Tail t;
    t.lastHash = firstPrevious();
    LineStream stream(fs, path());
    LineStream::Line l;
    qint64 keep = 0, size = 0, kept = 0;
    int pending = 0;
    while (stream.next(l)) {
        size = l.end;
        Record rec;
        if (!l.terminated) {
            ++pending;
            break;
        }
        const bool record = !l.tooLong && parseRecord(l.text, rec);
        if (record && rec.part < rec.parts) {
            ++pending;
            continue;
        }
        kept += pending + 1;
        pending = 0;
        keep = l.end;
        t.lastHash = l.hash;
        t.lastNumber = record ? rec.number : kept;
    }
    t.error = stream.error();
    if (t.error == FileError::NotFound)
        t.error = FileError::None;
    if (t.error != FileError::None || keep == size)
        return t;
    t.dropped = pending;
    t.error = fs.truncateFile(path(), keep);
    return t;
}

} // namespace

Tail prepareTail(FileSystem &fs) {
    Tail t;
    t.lastHash = firstPrevious();
    const ReadResult end = fs.readPart(path(), -1, kMaxLine);
    if (end.error == FileError::NotFound || (end.ok() && end.fileSize == 0))
        return t;
    if (!end.ok()) {
        t.error = end.error;
        return t;
    }
    // The usual case: the file ends with the last record of a group.
    QByteArrayView line;
    Record rec;
    if (lastLineOf(end.bytes, end.fileSize == end.bytes.size(), line) && parseRecord(line, rec) &&
        rec.part == rec.parts) {
        t.lastHash = hashOf(line);
        t.lastNumber = rec.number;
        return t;
    }
    return repair(fs);
}

CheckResult check(FileSystem &fs) {
    CheckResult r;
    const Tail t = prepareTail(fs);
    r.dropped = t.dropped;
    if (t.error != FileError::None) {
        r.error = t.error;
        return r;
    }
    LineStream stream(fs, path());
    LineStream::Line l;
    QByteArray expected = firstPrevious();
    while (stream.next(l)) {
        ++r.lines;
        Record rec;
        QByteArray previous;
        Fault fault = l.tooLong ? Fault::Form : inspect(l.text, rec, previous);
        if (fault == Fault::None && previous != expected)
            fault = Fault::Chain;
        else if (fault == Fault::None && rec.number != r.lines)
            fault = Fault::Number;
        else if (fault == Fault::None && !l.terminated)
            fault = Fault::Unended;
        if (fault != Fault::None) {
            r.fault = fault;
            r.badLine = r.lines;
            r.badWhen = rec.when;
            return r;
        }
        expected = l.hash;
        r.lastWhen = rec.when;
    }
    r.error = stream.error();
    if (r.error == FileError::None && r.lines == 0 && !fs.exists(path()))
        r.error = FileError::NotFound;
    return r;
}

QString checkText(const CheckResult &r) {
    QString text;
    if (r.dropped > 0)
        text = QStringLiteral("書き込みの途中で止まっていた最後の記録 %1 件を取り除きました"
                              "（その変更は行われていません）。\n")
                   .arg(r.dropped);
    if (r.error == FileError::NotFound)
        return text + QStringLiteral("変更履歴はまだありません。");
    if (r.error != FileError::None)
        return text + QStringLiteral("変更履歴（%1）を読み込めませんでした（エラー番号 %2）。")
                          .arg(path())
                          .arg(errorNumber(r.error));
    if (r.intact())
        return text +
               QStringLiteral("変更履歴を検査しました。%1 件の記録に、書き換えや削除は"
                              "見つかりませんでした。")
                   .arg(r.lines) +
               (r.lastWhen.isEmpty() ? QString() : QStringLiteral("\n最後の記録：") + r.lastWhen);
    text += QStringLiteral("変更履歴の %1 行目").arg(r.badLine);
    if (!r.badWhen.isEmpty())
        text += QStringLiteral("（%1 の記録）").arg(r.badWhen);
    text += QStringLiteral("が一致しません。\n");
    switch (r.fault) {
    case Fault::Form:
        text += QStringLiteral("この行は変更履歴の記録の形をしていません。");
        break;
    case Fault::Changed:
        text += QStringLiteral("この行が書き換えられています。");
        break;
    case Fault::Chain:
        text += r.badLine == 1
                    ? QStringLiteral("この行より前にあった記録が削除されています。")
                    : QStringLiteral("この行の前の記録が書き換えられたか、削除されています。");
        break;
    case Fault::Number:
        text += QStringLiteral("記録の番号が続いていません。");
        break;
    case Fault::Unended:
        text += QStringLiteral("この行は途中で終わっています。");
        break;
    case Fault::None:
        break;
    }
    if (r.badLine > 1)
        text +=
            QStringLiteral("\nそれより前の %1 件の記録は正しく続いています。").arg(r.badLine - 1);
    return text;
}

void tell(const CheckResult &r, Dialogs &dialogs) {
    const bool fine = r.intact() || r.error == FileError::NotFound;
    dialogs.message(checkText(r), QStringLiteral("変更履歴の検査"),
                    fine ? BoxIcon::None : BoxIcon::Warning, BoxButtons::Ok);
}

} // namespace history
