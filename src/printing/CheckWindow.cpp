#include "printing/CheckWindow.h"

#include "printing/CheckReport.h"

CheckWindow::CheckWindow(Services &s) : m_s(s) {
    const history::Audit a = history::audit(s.fs, s.settings);
    m_lines = history::auditReport(a);
    m_exit = a.exitCode();
    for (const history::ReportLine &l : m_lines)
        m_unexplained += l.tone == history::ReportLine::Tone::Unexplained &&
                         l.text.startsWith(QStringLiteral("・"));
    m_when = s.clock.now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    m_head = a.head.shortForm();
}

QString CheckWindow::summary() const {
    if (m_exit == 2)
        return QStringLiteral("読み込めないファイルがあります。");
    if (m_exit == 1)
        return m_unexplained > 0
                   ? QStringLiteral("変更履歴で説明できない値が %1 件あります。").arg(m_unexplained)
                   : QStringLiteral("変更履歴が一致しません。");
    return QStringLiteral("すべての値が変更履歴のとおりです。");
}

QString CheckWindow::pdfName() const {
    return QStringLiteral("変更履歴の検査結果_%1.pdf")
        .arg(m_s.clock.now().toString(QStringLiteral("yyyyMMdd")));
}

void CheckWindow::send(PrintTargets &targets, pagedocument::Where where) {
    QStringList texts;
    for (const history::ReportLine &l : m_lines)
        texts.append(l.text);
    const CheckReport::Heading heading{m_s.fs.dataFolder(), m_when, m_head};
    pagedocument::send(m_s, targets, where,
                       {QStringLiteral("変更履歴の検査結果"), pdfName(),
                        QStringLiteral("検査の結果"),
                        [&](Printer &printer, double offsetX, double offsetY) {
                            return CheckReport(printer, offsetX, offsetY).draw(texts, heading);
                        }});
}
