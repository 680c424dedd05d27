#include "printing/PrintPanel.h"

#include "data/FileFailure.h"
#include "printing/PageDocument.h"

void PrintPanel::open(const QList<EmployeeLine> &staff, const QString &monthFolder,
                      const CalcSettings &settings, const SheetReview &review) {
    m_staff = staff;
    m_month = monthFolder;
    m_calc = settings;
    m_review = review;
    m_toCheck.clear();
    m_toCheckWho.clear();
    // The sheets that will not be what was confirmed are named before a run.
    const PrintJob j = job(QString());
    for (const EmployeeLine &e : staff) {
        if (!e.marked)
            continue;
        const cardfile::Read card = cardfile::read(m_s.fs, monthFolder, e.code);
        if (!card.ok())
            continue;
        const QString who = e.code.trimmed() + QStringLiteral("　") + e.name.trimmed();
        const QStringList reasons = PrintRun::toCheck(who, PrintRun::sheetOf(j, card.table));
        m_toCheck << reasons;
        if (!reasons.isEmpty())
            m_toCheckWho << who;
    }
    m_visible = true;
}

void PrintPanel::close() {
    m_visible = false;
}

void PrintPanel::chooseAll() {
    m_settings.rangeMode = PrintSettings::kAll;
    m_settings.fromCode.clear();
    m_settings.toCode.clear();
    m_boxes[FromBox].clear();
    m_boxes[ToBox].clear();
}

void PrintPanel::chooseDesignated() {
    m_settings.rangeMode = PrintSettings::kDesignated;
}

void PrintPanel::setBox(int box, const QString &text) {
    m_boxes[static_cast<size_t>(box)] = text.left(kMaxLength[box]);
}

void PrintPanel::leaveBox(int box) {
    const QString &text = m_boxes[static_cast<size_t>(box)];
    switch (box) {
    case FromBox:
        m_settings.fromCode = text;
        break;
    case ToBox:
        m_settings.toCode = text;
        break;
    default:
        m_settings.copies = text;
        break;
    }
}

bool PrintPanel::acceptsChar(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == 13 || u == 8 || u == 16;
}

QString PrintPanel::pdfName() const {
    return m_month + QStringLiteral("_勤務実績表.pdf");
}

bool PrintPanel::ready() {
    if (designated() && m_settings.fromCode.isEmpty()) {
        m_s.dialogs.info(QStringLiteral("印刷範囲が未指定です。"));
        return false;
    }
    // No copies at all is as good as none entered.
    if (m_settings.copies.isEmpty() || leadingNumber(m_settings.copies) == 0) {
        m_s.dialogs.info(QStringLiteral("印刷部数が未入力です。"));
        return false;
    }
    return true;
}

PrintJob PrintPanel::job(const QString &verb, const QString &place) const {
    return {m_staff, m_month, m_calc, verb, m_withHistory, m_review, place};
}

PrintRun::Result PrintPanel::run(Printer &printer, PrintTargets &targets, const QString &verb,
                                 Services &s, const QString &place) {
    const auto sheets = PrintRun::select(m_staff, m_settings).size() *
                        std::max(1, leadingNumber(m_settings.copies));
    PrintRun r(s, printer);
    m_last = r.insatu(job(verb, place), m_settings, targets.progress(static_cast<int>(sheets)));
    return m_last;
}

void PrintPanel::print(PrintTargets &targets) {
    if (!ready())
        return;
    Printer *office = targets.office();
    if (!office) {
        // Never print to nowhere: say so, and offer the file instead.
        if (m_s.dialogs.message(QStringLiteral("使用できるプリンターがありません。\n"
                                               "勤務実績表をＰＤＦファイルに保存しますか？"),
                                QStringLiteral("確認"), BoxIcon::Question,
                                BoxButtons::YesNo) == BoxAnswer::Yes)
            pdfChecked(targets);
        return;
    }
    const PrintRun::Result r = run(*office, targets, QStringLiteral("印刷"), m_s);
    if (r.end == PrintRun::End::Done && r.pages > 0 && r.unreadable.isEmpty())
        pagedocument::tellSent(
            m_s, *office,
            QStringLiteral("勤務実績表 %1 人分（%2 枚）").arg(r.employees).arg(r.pages));
}

void PrintPanel::setup(PrintTargets &targets) {
    Printer *office = targets.office();
    if (!office) {
        m_s.dialogs.info(QStringLiteral("使用できるプリンターがありません。"));
        return;
    }
    office->setupDialog(); // cancelling, or any error of it, changes nothing
}

void PrintPanel::pdf(PrintTargets &targets) {
    if (ready())
        pdfChecked(targets);
}

void PrintPanel::pdfChecked(PrintTargets &targets) {
    if (PrintRun::select(m_staff, m_settings).isEmpty()) {
        m_s.dialogs.info(QStringLiteral("印刷する勤務実績表がありません。"));
        return;
    }
    const QString path = targets.askPdfFile(pdfName());
    if (path.isEmpty() || filefailure::refuseDataFolder(m_s, path))
        return;
    Printer &file = targets.pdfFile(path, QStringLiteral("勤務実績表 ") + m_month);
    const PrintRun::Result r =
        run(file, targets, QStringLiteral("ＰＤＦファイルに保存"), m_s, path);
    // A run that named cards in its end notice named the file there too.
    if (r.end == PrintRun::End::Done && r.pages > 0 && !r.told)
        pagedocument::tellSaved(m_s, targets, QStringLiteral("勤務実績表"), path);
    else if (r.end == PrintRun::End::Done && r.pages > 0 && targets.pdfUnconfirmed())
        m_s.dialogs.info(filefailure::unconfirmedText() + QLatin1Char('\n') + path);
    else if (r.end == PrintRun::End::Aborted)
        m_s.dialogs.info(QStringLiteral("ＰＤＦファイルは作成していません。\n") + path);
}

void PrintPanel::preview(PrintTargets &targets) {
    if (!ready())
        return;
    if (PrintRun::select(m_staff, m_settings).isEmpty()) {
        m_s.dialogs.info(QStringLiteral("印刷する勤務実績表がありません。"));
        return;
    }
    if (pagedocument::previewOnce(m_s, targets, QStringLiteral("勤務実績表 ") + m_month,
                                  [this, &targets](Printer &p, Services &quiet) {
                                      run(p, targets, QStringLiteral("表示"), quiet);
                                  }))
        print(targets);
}

QString PrintPanel::overHoursPdfName() const {
    return m_month + QStringLiteral("_%1時間超の一覧.pdf").arg(m_over.limitHours);
}

void PrintPanel::overHoursList(PrintTargets &targets, ListTarget where) {
    const QDate today = m_s.clock.now().date();
    const pagedocument::Document doc{
        OverHoursList::title(m_over.limitHours) + QLatin1Char(' ') + m_month, overHoursPdfName(),
        QStringLiteral("一覧"), [this, today](Printer &printer, double offsetX, double offsetY) {
            return OverHoursList(printer, offsetX, offsetY).draw(m_over, today);
        }};
    m_last = pagedocument::send(m_s, targets, where, doc);
}
