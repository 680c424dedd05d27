#include "data/Roster.h"

#include "data/RecordFile.h"
#include "platform/Codec932.h"

QStringList Roster::toList() const {
    QStringList list;
    list.reserve(kValues);
    for (const Employee &e : slots) {
        list.append(e.code);
        list.append(e.name);
        list.append(e.payType);
        list.append(e.mark);
    }
    return list;
}

Roster Roster::fromList(const QStringList &values) {
    Roster r;
    for (int i = 0; i < kSlots; ++i) {
        Employee &e = r[i];
        e.code = values.value(i * kFields + 0);
        e.name = values.value(i * kFields + 1);
        e.payType = values.value(i * kFields + 2);
        e.mark = values.value(i * kFields + 3);
    }
    return r;
}

namespace rosterfile {

namespace {

QString lineFault(QByteArrayView value, qsizetype line, int slotField) {
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return QStringLiteral("%1行目に制御文字があります").arg(line);
    if (!cp932::readable(value))
        return QStringLiteral("%1行目に文字として読めないバイトがあります").arg(line);
    if (slotField == 3 && !value.isEmpty() && value != "*")
        return QStringLiteral("%1行目（%2番目の従業員の削除印）が「*」でも空でもありません")
            .arg(line)
            .arg((line - 1) / Roster::kFields + 1);
    return {};
}

} // namespace

QString fault(const QByteArray &bytes) {
    qsizetype p = 0;
    qsizetype line = 0;
    while (p < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', p);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        ++line;
        if (line > Roster::kValues)
            return QStringLiteral("%1行を超える内容があります").arg(Roster::kValues);
        QByteArrayView l(bytes.constData() + p, end - p);
        if (l.endsWith('\r'))
            l.chop(1);
        if (l.size() < 2 || l.front() != '"' || l.back() != '"')
            return QStringLiteral("%1行目が「\"」で囲まれた値ではありません").arg(line);
        if (QString why = lineFault(l.sliced(1, l.size() - 2), line,
                                    static_cast<int>((line - 1) % Roster::kFields));
            !why.isEmpty())
            return why;
        p = next;
    }
    if (line < Roster::kValues)
        return QStringLiteral("途中で切れています（%1行のうち%2行しかありません）")
            .arg(Roster::kValues)
            .arg(line);
    return {};
}

Read fromFile(const ReadResult &file) {
    Read r;
    const records::Read values = records::fromFile(file, Roster::kValues);
    r.error = values.error;
    r.roster = Roster::fromList(values.values);
    if (r.ok()) {
        r.fault = fault(file.bytes);
        if (!r.fault.isEmpty())
            r.error = FileError::Damaged;
    }
    return r;
}

Read read(FileSystem &fs) {
    return fromFile(fs.readFile(QLatin1String(kRosterFile), records::byteLimit(Roster::kValues)));
}

} // namespace rosterfile
