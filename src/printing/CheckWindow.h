#pragma once

#include "data/HistoryAudit.h"
#include "printing/PageDocument.h"
#include "screen/Services.h"

// The result window of "変更履歴の検査" without its widgets: the report's
// lines with what each tells, a summary over them, and the report printed or
// saved as a PDF file for the office's file.
class CheckWindow {
public:
    // The check of the data folder now (the busy part: the history and every
    // file read once).
    explicit CheckWindow(Services &s);

    const QList<history::ReportLine> &lines() const { return m_lines; }
    // Every value accounted for, and nothing unreadable.
    bool fine() const { return m_exit == 0; }
    QString summary() const;

    // "印刷" and "PDF".
    void print(PrintTargets &targets) { send(targets, pagedocument::Where::Office); }
    void pdf(PrintTargets &targets) { send(targets, pagedocument::Where::Pdf); }
    // 変更履歴の検査結果_20070301.pdf
    QString pdfName() const;

private:
    void send(PrintTargets &targets, pagedocument::Where where);

    Services &m_s;
    QList<history::ReportLine> m_lines;
    int m_exit = 0;
    int m_unexplained = 0;
    QString m_when;
    QString m_head;
};
