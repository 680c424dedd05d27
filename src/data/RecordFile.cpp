#include "data/RecordFile.h"

#include "platform/Codec932.h"

#include <algorithm>

namespace records {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

QString valueOfLine(QByteArrayView line) {
    // Blanks outside the quotes are no part of the value.
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    // A quoted value is what lies between the first and the last quote, so a
    // stray inner quote is kept rather than cutting the value.
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
        return cp932::decode(line.sliced(1, line.size() - 2));
    if (line.size() == 1 && line.front() == '"')
        return {};
    return cp932::decode(line);
}

// Calls take(line) for each value's line in order, until take returns false.
// A value ends at CR LF, LF alone or CR alone; a last line without an end of
// line is a value unless it is empty once a Ctrl-Z after it is dropped.
template <typename Take> void forEachLine(const QByteArray &bytes, Take take) {
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while (p < end) {
        const char *e = p;
        while (e < end && *e != '\n' && *e != '\r')
            ++e;
        if (e == end) {
            QByteArrayView tail(p, e - p);
            while (!tail.isEmpty() && tail.back() == '\x1a')
                tail.chop(1);
            if (!tail.isEmpty())
                take(tail);
            return;
        }
        if (!take(QByteArrayView(p, e - p)))
            return;
        p = e + 1;
        if (*e == '\r' && p < end && *p == '\n')
            ++p;
    }
}

} // namespace

QStringList parse(const QByteArray &bytes) {
    return parseFirst(bytes, -1);
}

QStringList parseFirst(const QByteArray &bytes, int limit) {
    QStringList values;
    if (limit == 0)
        return values;
    if (limit > 0)
        values.reserve(std::min<qsizetype>(limit, bytes.size() / 3 + 1));
    forEachLine(bytes, [&](QByteArrayView line) {
        values.append(valueOfLine(line));
        return limit < 0 || values.size() < limit;
    });
    return values;
}

QStringList valuesAt(const QByteArray &bytes, std::initializer_list<int> positions) {
    QStringList values;
    values.reserve(static_cast<qsizetype>(positions.size()));
    auto wanted = positions.begin();
    int position = 0;
    forEachLine(bytes, [&](QByteArrayView line) {
        if (wanted == positions.end())
            return false;
        if (position++ != *wanted)
            return true;
        values.append(valueOfLine(line));
        return ++wanted != positions.end();
    });
    while (values.size() < static_cast<qsizetype>(positions.size()))
        values.append(QString());
    return values;
}

qint64 byteLimit(int count) {
    return std::max<qint64>(qint64(64) << 10, qint64(count) << 11);
}

QByteArray format(const QStringList &values) {
    // The whole file as one text, converted in one pass: the quotes and line
    // ends are the same bytes in the code page, and a character it lacks turns
    // into the same "?" as it would value by value.
    qsizetype size = 0;
    for (const QString &v : values)
        size += v.size() + 4;
    QString text;
    text.reserve(size);
    for (const QString &v : values) {
        text.append(QLatin1Char('"'));
        text.append(v);
        text.append(QLatin1String("\"\r\n", 3));
    }
    return cp932::encode(text);
}

bool isWrittenForm(const QByteArray &bytes, int count) {
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    for (int i = 0; i < count; ++i) {
        if (p == end || *p != '"')
            return false;
        ++p;
        while (p < end && *p != '"' && *p != '\r' && *p != '\n')
            ++p;
        if (end - p < 3 || p[0] != '"' || p[1] != '\r' || p[2] != '\n')
            return false;
        p += 3;
    }
    return p == end;
}

QByteArray formatLine(const QStringList &values) {
    QByteArray out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            out.append(',');
        out.append('"');
        out.append(cp932::encode(values[i]));
        out.append('"');
    }
    return out;
}

bool splitLine(QByteArrayView line, LineViews &values) {
    values.clear();
    // A quote, a comma, CR and LF are never the second byte of a double-byte
    // character of the code page, so the bytes split as they stand.
    qsizetype p = 0;
    while (p < line.size()) {
        if (line[p] != '"')
            return false;
        const qsizetype close = line.indexOf('"', p + 1);
        if (close < 0)
            return false;
        const QByteArrayView value = line.sliced(p + 1, close - p - 1);
        if (value.contains('\r') || value.contains('\n'))
            return false;
        values.append(value);
        p = close + 1;
        if (p == line.size())
            return true;
        if (line[p] != ',')
            return false;
        ++p;
        if (p == line.size())
            return false;
    }
    return false;
}

bool parseLine(QByteArrayView line, QStringList &values) {
    values.clear();
    LineViews views;
    if (!splitLine(line, views))
        return false;
    for (const QByteArrayView v : views)
        values.append(cp932::decode(v.toByteArray()));
    return true;
}

Read read(FileSystem &fs, const QString &path, int count) {
    return fromFile(fs.readFile(path, byteLimit(count)), count);
}

Read fromFile(const ReadResult &file, int count) {
    Read r;
    r.error = file.error;
    if (file.ok()) {
        r.values = parseFirst(file.bytes, count);
        r.found = static_cast<int>(r.values.size());
    }
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
