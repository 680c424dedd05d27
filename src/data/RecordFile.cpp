#include "data/RecordFile.h"

#include "platform/Codec932.h"

namespace records {

namespace {

QString valueOfLine(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    // A quoted value is what lies between the first and the last quote, so a
    // stray inner quote is kept rather than cutting the value.
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        return cp932::decode(line.sliced(1, line.size() - 2).toByteArray());
    if (line.size() == 1 && line.front() == '"')
        return {};
    return cp932::decode(line.toByteArray().trimmed());
}

} // namespace

QStringList parse(const QByteArray &bytes) {
    return parseFirst(bytes, -1);
}

QStringList parseFirst(const QByteArray &bytes, int limit) {
    QStringList values;
    QByteArrayView rest(bytes);
    while (!rest.isEmpty() && (limit < 0 || values.size() < limit)) {
        const qsizetype nl = rest.indexOf('\n');
        if (nl < 0) {
            // Last line without an end of line; a lone CR or a Ctrl-Z is no value.
            QByteArrayView tail = rest;
            while (!tail.isEmpty() && (tail.back() == '\r' || tail.back() == '\x1a'))
                tail.chop(1);
            if (!tail.isEmpty())
                values.append(valueOfLine(tail));
            break;
        }
        values.append(valueOfLine(rest.first(nl)));
        rest = rest.sliced(nl + 1);
    }
    return values;
}

QByteArray format(const QStringList &values) {
    QByteArray out;
    out.reserve(values.size() * 8);
    for (const QString &v : values) {
        out.append('"');
        out.append(cp932::encode(v));
        out.append("\"\r\n", 3);
    }
    return out;
}

Read read(FileSystem &fs, const QString &path, int count) {
    Read r;
    const ReadResult file = fs.readFile(path);
    r.error = file.error;
    if (file.ok()) {
        r.values = parse(file.bytes);
        r.found = static_cast<int>(r.values.size());
    }
    if (r.values.size() > count)
        r.values.resize(count);
    while (r.values.size() < count)
        r.values.append(QString());
    return r;
}

FileError write(FileSystem &fs, const QString &path, const QStringList &values) {
    return fs.replaceFile(path, format(values));
}

FileError writeEmpty(FileSystem &fs, const QString &path, int count) {
    QStringList empty;
    empty.reserve(count);
    for (int i = 0; i < count; ++i)
        empty.append(QString());
    return write(fs, path, empty);
}

} // namespace records
