#pragma once

#include "data/CalcSettings.h"
#include "printing/OverHoursList.h"
#include "printing/PageDocument.h"
#include "printing/PrintRun.h"
#include "printing/PrintSettings.h"
#include "printing/PrintTargets.h"
#include "screen/Services.h"

#include <array>
#include <functional>

// The print panel Picture6 of the tally screen. The tally screen owns it for
// as long as it is open, so the print settings keep their values between
// runs; it opens it with toolbar button 3.
class PrintPanel {
public:
    enum Box { FromBox = 0, ToBox = 1, CopiesBox = 2 }; // texinsatu(0)..(2)
    static constexpr int kBoxes = 3;
    static constexpr int kMaxLength[kBoxes] = {3, 3, 2};
    // Where Enter in a box sends the focus: the next box, or the panel.
    static constexpr int kPanel = -1;

    explicit PrintPanel(Services &s) : m_s(s) {}

    PrintSettings &settings() { return m_settings; }
    const PrintSettings &settings() const { return m_settings; }

    // Toolbar button 3: shows the panel for the tally screen's staff list
    // (List1's entries), card month and calculation settings; review gives
    // the sheet of a stored card. The host disables its toolbar buttons 1 to
    // 5, Combo1 and List1 meanwhile.
    void open(const QList<EmployeeLine> &staff, const QString &monthFolder,
              const CalcSettings &settings, const SheetReview &review = {});
    // The marked employees whose sheets want a second look, each with a
    // reason, and who they are: named on the panel before any run.
    const QStringList &toCheck() const { return m_toCheck; }
    const QStringList &toCheckWho() const { return m_toCheckWho; }
    bool visible() const { return m_visible; }

    // Option1 "全員" / Option2 "指定".
    void chooseAll();
    void chooseDesignated();
    bool designated() const { return m_settings.rangeMode == PrintSettings::kDesignated; }
    // "変更履歴を付ける": the pages of each employee's changes after the sheet.
    // Off when the panel is made; kept while the tally screen is open.
    void setWithHistory(bool on) { m_withHistory = on; }
    bool withHistory() const { return m_withHistory; }

    // The boxes: the widget tells every edit and every leaving.
    void setBox(int box, const QString &text);
    const QString &box(int b) const { return m_boxes[static_cast<size_t>(b)]; }
    void leaveBox(int box);
    // Whether a typed character stays in a box: digits and the control
    // keys Enter, Backspace, 16; Esc is dropped too.
    static bool acceptsChar(QChar c);
    static int nextAfter(int box) { return box < CopiesBox ? box + 1 : kPanel; }

    // cmdinsatu(0) "印　刷": the office printer, or a PDF file when the
    // system has no printer and the user wants one.
    void print(PrintTargets &targets);
    // cmdinsatu(1) "閉じる".
    void close();
    // cmdinsatu(2) "ﾌﾟﾘﾝﾀｰ": the printer setup dialog.
    void setup(PrintTargets &targets);
    // cmdinsatu(3) "PDF": the same run into a PDF file the user names.
    void pdf(PrintTargets &targets);
    // cmdinsatu(4) "プレビュー": the same run in the preview window, from
    // which the user may go on to print.
    void preview(PrintTargets &targets);

    // The list of the month's employees over 80 hours ("80時間超の一覧"):
    // the tally screen gives its lines when it opens the panel. It goes to
    // the same places as the sheets.
    using ListTarget = pagedocument::Where;
    void setOverHours(const OverHoursData &data) { m_over = data; }
    const OverHoursData &overHours() const { return m_over; }
    void overHoursList(PrintTargets &targets, ListTarget where);
    // 2007年3月_80時間超の一覧.pdf
    QString overHoursPdfName() const;

    // The PDF file name offered for the month: 2007年3月_勤務実績表.pdf.
    QString pdfName() const;
    const PrintRun::Result &lastRun() const { return m_last; }

private:
    // The range and copies messages; true when a run may start.
    bool ready();
    PrintJob job(const QString &verb, const QString &place = {}) const;
    PrintRun::Result run(Printer &printer, PrintTargets &targets, const QString &verb, Services &s,
                         const QString &place = {});
    void pdfChecked(PrintTargets &targets);

    Services &m_s;
    PrintSettings m_settings;
    std::array<QString, kBoxes> m_boxes;
    bool m_visible = false;
    bool m_withHistory = false;
    QList<EmployeeLine> m_staff;
    SheetReview m_review;
    QStringList m_toCheck;
    QStringList m_toCheckWho;
    QString m_month;
    CalcSettings m_calc;
    PrintRun::Result m_last;
    OverHoursData m_over;
};
