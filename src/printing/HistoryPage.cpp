#include "printing/HistoryPage.h"

namespace {

constexpr double kLeft = 20, kRight = 201.5, kTop = 30, kBottom = 272;
constexpr double kHeadingY = 31.5, kHeadingRule = 36, kFirstLineY = 37.5, kLineStep = 5;
constexpr int kRuleWidth = 2;

// The columns: where the text stands, the rule to the right of it (none for
// the last), and how many half-width columns of text it takes.
struct Column {
    double x, rule;
    int columns;
};
constexpr Column kColumns[] = {
    {21.5, 53, 19},  // 日時
    {54.5, 84, 18},  // 処理
    {85.5, 92.5, 4}, // 日
    {94, 102, 4},    // 項目
    {103.5, 117, 8}, // 変更前
    {118.5, 132, 8}, // 変更後
    {133.5, 0, HistoryPage::kReasonColumns},
};

int width(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x100 || (u >= 0xff61 && u <= 0xff9f) ? 1 : 2;
}

QString cut(const QString &text, int columns) {
    const QStringList pieces = HistoryPage::wrap(text, columns);
    return pieces.isEmpty() ? QString() : pieces.first();
}

} // namespace

QStringList HistoryPage::wrap(const QString &text, int columns) {
    QStringList pieces;
    QString piece;
    int used = 0;
    for (const QChar c : text) {
        if (used + width(c) > columns) {
            pieces.append(piece);
            piece.clear();
            used = 0;
        }
        piece += c;
        used += width(c);
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}

QList<QList<HistoryPage::Line>> HistoryPage::pages(const QList<history::Row> &rows,
                                                   const QString &note) {
    QList<Line> lines;
    for (const history::Row &r : rows) {
        const QStringList reason = wrap(r.reason, kReasonColumns);
        Line first;
        first.row = r;
        first.row.reason = reason.value(0);
        lines.append(first);
        for (qsizetype i = 1; i < reason.size(); ++i) {
            Line more;
            more.row.reason = reason[i];
            more.continued = true;
            lines.append(more);
        }
    }
    if (!note.isEmpty()) {
        Line last;
        last.note = note;
        lines.append(last);
    }
    QList<QList<Line>> pages;
    for (qsizetype i = 0; i < lines.size(); i += kLinesPerPage)
        pages.append(lines.mid(i, kLinesPerPage));
    if (pages.isEmpty())
        pages.append(QList<Line>());
    return pages;
}

int HistoryPage::draw(const QList<Line> &lines, int page, int pages, const QString &monthFolder,
                      const QString &name, const QString &head) {
    if (int e = m_printer.setFontFace(kGothic))
        return e;
    if (int e = m_printer.setFontSize(12))
        return e;
    if (int e = text(QStringLiteral("変更履歴"), 25, 24))
        return e;
    if (int e = m_printer.setFontFace(kMincho))
        return e;
    if (int e = m_printer.setFontSize(9))
        return e;
    if (int e = text(QStringLiteral("( ") + monthFolder + QStringLiteral(" ) "), 57, 24.5))
        return e;
    if (int e = text(QStringLiteral("氏名： ") + name, 83, 24.5))
        return e;
    if (pages > 1)
        if (int e = text(QStringLiteral("%1 / %2").arg(page).arg(pages), 185, 24.5))
            return e;
    if (!head.isEmpty())
        if (int e = text(QStringLiteral("変更履歴の末尾：") + head, kLeft, kBottom + 2))
            return e;

    if (int e = m_printer.setLineStyle(Printer::Solid))
        return e;
    if (int e = m_printer.setLineWidth(kRuleWidth))
        return e;
    const double corners[][4] = {{kLeft, kTop, kRight, kTop},
                                 {kLeft, kBottom, kRight, kBottom},
                                 {kLeft, kTop, kLeft, kBottom},
                                 {kRight, kTop, kRight, kBottom},
                                 {kLeft, kHeadingRule, kRight, kHeadingRule}};
    for (const auto &c : corners)
        if (int e = line(c[0], c[1], c[2], c[3]))
            return e;
    // The column rules stop above a note, which runs across the columns.
    double rulesEnd = kBottom;
    for (qsizetype n = 0; n < lines.size(); ++n)
        if (!lines[n].note.isEmpty()) {
            rulesEnd = kFirstLineY + kLineStep * static_cast<double>(n) - 1;
            if (int e = line(kLeft, rulesEnd, kRight, rulesEnd))
                return e;
            break;
        }
    for (const Column &c : kColumns)
        if (c.rule > 0)
            if (int e = line(c.rule, kTop, c.rule, rulesEnd))
                return e;

    const QStringList headers = history::rowHeaders();
    for (qsizetype i = 0; i < headers.size(); ++i)
        if (int e = text(headers[i], kColumns[i].x, kHeadingY))
            return e;

    for (qsizetype n = 0; n < lines.size(); ++n) {
        const Line &l = lines[n];
        const double y = kFirstLineY + kLineStep * static_cast<double>(n);
        if (!l.note.isEmpty()) {
            if (int e = text(l.note, kColumns[0].x, y))
                return e;
            continue;
        }
        const history::Row &r = l.row;
        const QString values[] = {r.when,    r.function, r.day,   r.field,
                                  r.oldText, r.newText,  r.reason};
        for (int i = l.continued ? 6 : 0; i < 7; ++i) {
            const QString v = cut(values[i], kColumns[i].columns);
            if (v.isEmpty())
                continue;
            if (int e = text(v, kColumns[i].x, y))
                return e;
        }
    }
    return 0;
}
