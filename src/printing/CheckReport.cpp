#include "printing/CheckReport.h"

#include "printing/HistoryPage.h"

namespace {

constexpr double kLeft = 20, kTitleY = 20, kSubY = 28, kFirstY = 38, kStep = 5, kFootY = 282;

} // namespace

QList<QStringList> CheckReport::pages(const QStringList &lines) {
    QStringList wrapped;
    for (const QString &l : lines) {
        const QStringList pieces = HistoryPage::wrap(l, kColumns);
        if (pieces.isEmpty())
            wrapped.append(QString());
        // A piece carried over keeps the indent of a listed item.
        for (qsizetype i = 0; i < pieces.size(); ++i)
            wrapped.append(i == 0 || !l.startsWith(QStringLiteral("・"))
                               ? pieces[i]
                               : QStringLiteral("　") + pieces[i]);
    }
    QList<QStringList> out;
    for (qsizetype i = 0; i < wrapped.size(); i += kLinesPerPage)
        out.append(wrapped.mid(i, kLinesPerPage));
    if (out.isEmpty())
        out.append(QStringList());
    return out;
}

int CheckReport::draw(const QStringList &lines, const Heading &heading) {
    const QList<QStringList> all = pages(lines);
    for (qsizetype p = 0; p < all.size(); ++p) {
        if (p > 0)
            if (int e = m_printer.newPage())
                return e;
        if (int e = page(all[p], static_cast<int>(p + 1), static_cast<int>(all.size()), heading))
            return e;
    }
    return 0;
}

int CheckReport::page(const QStringList &lines, int number, int count, const Heading &heading) {
    if (int e = m_printer.setFontFace(kGothic))
        return e;
    if (int e = m_printer.setFontSize(14))
        return e;
    if (int e = text(QStringLiteral("変更履歴の検査結果"), kLeft, kTitleY))
        return e;
    if (int e = m_printer.setFontFace(kMincho))
        return e;
    if (int e = m_printer.setFontSize(9))
        return e;
    if (int e = text(QStringLiteral("データフォルダ：") + heading.folder +
                         QStringLiteral("　検査日時：") + heading.when,
                     kLeft, kSubY))
        return e;
    if (count > 1)
        if (int e = text(QStringLiteral("%1 / %2").arg(number).arg(count), 185, kTitleY + 2))
            return e;
    if (int e = m_printer.setLineStyle(Printer::Solid))
        return e;
    if (int e = m_printer.setLineWidth(2))
        return e;
    if (int e = line(kLeft, kFirstY - 3, 201.5, kFirstY - 3))
        return e;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines[i].isEmpty())
            if (int e = text(lines[i], kLeft, kFirstY + kStep * static_cast<double>(i)))
                return e;
    return text(QStringLiteral("変更履歴の末尾：") + heading.head, kLeft, kFootY);
}
