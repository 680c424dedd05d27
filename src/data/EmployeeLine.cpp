#include "data/EmployeeLine.h"

#include "data/CardMonth.h"
#include "data/CardTable.h"

#include <algorithm>

namespace employeeline {

QString mark() {
    return QStringLiteral("◆");
}

QString text(const EmployeeLine &e) {
    const QString code = e.code.trimmed();
    const QString shown = code.size() <= kCodeWidth
                              ? code.leftJustified(kCodeWidth, QLatin1Char(' '))
                              : code + QLatin1Char(' ');
    return (e.marked ? mark() : QString()) + shown + e.name;
}

QStringList texts(const QList<EmployeeLine> &lines) {
    QStringList out;
    out.reserve(lines.size());
    for (const EmployeeLine &l : lines)
        out.append(text(l));
    return out;
}

int indexOf(const QList<EmployeeLine> &lines, const QString &code) {
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].code.trimmed() == wanted)
            return static_cast<int>(i);
    return -1;
}

QStringList cardCodes(FileSystem &fs, const QString &folder) {
    QStringList codes;
    const QString suffix = QLatin1String(cardfile::kSuffix);
    for (const QString &name : fs.list(folder, QStringLiteral("*") + suffix, ListKind::Files)) {
        // A name with blanks around its code is no one's card: read by the
        // trimmed code it would list, and open, another employee's.
        const QString code = name.left(name.size() - suffix.size());
        if (code == code.trimmed() && cardfile::isSafeCode(code))
            codes.append(code);
    }
    // A listing has no order of its own.
    CardMonth::sortCodes(codes);
    return codes;
}

void sortLines(QList<EmployeeLine> &lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const EmployeeLine &a, const EmployeeLine &b) {
        return CardMonth::employeeBefore(a.code.trimmed(), b.code.trimmed());
    });
}

std::optional<EmployeeLine> ofCard(FileSystem &fs, const QString &folder, const QString &fileCode,
                                   const std::function<QString()> &fallbackName) {
    const auto fallback = [&] { return fallbackName ? fallbackName() : QString(); };
    if (!cardfile::isSafeCode(fileCode))
        return std::nullopt;
    const ReadResult file = fs.readFile(cardfile::path(folder, fileCode), cardfile::kMaxBytes);
    // A card too large or not a regular file keeps its line, so that a click
    // tells it is damaged and removal can reach it; a card that could not be
    // read at all gets none.
    if (file.error == FileError::Damaged)
        return EmployeeLine{fileCode, fallback()};
    if (!file.ok())
        return std::nullopt;
    const cardfile::Head head = cardfile::headOf(file.bytes);
    const QString headCode = head.code.trimmed();
    const bool own = headCode == fileCode || (headCode.isEmpty() && !head.name.isEmpty());
    return EmployeeLine{fileCode, own && !head.name.isEmpty() ? head.name : fallback()};
}

} // namespace employeeline
