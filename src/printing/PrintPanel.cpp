#include "printing/PrintPanel.h"

#include "data/FileFailure.h"
#include "printing/OnceDialogs.h"

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
        sent(*office, QStringLiteral("勤務実績表 %1 人分（%2 枚）").arg(r.employees).arg(r.pages));
}

void PrintPanel::sent(const Printer &office, const QString &what) {
    // A job handed over says so: the sheets come out of a printer the
    // user may not stand beside.
    const QString name = office.printerName();
    m_s.dialogs.info(what + QStringLiteral("をプリンター") +
                     (name.isEmpty() ? QString() : QStringLiteral("「%1」").arg(name)) +
                     QStringLiteral("に送りました。"));
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
        pdfSaved(targets, QStringLiteral("勤務実績表"), path);
    else if (r.end == PrintRun::End::Done && r.pages > 0 && targets.pdfUnconfirmed())
        m_s.dialogs.info(filefailure::unconfirmedText() + QLatin1Char('\n') + path);
    else if (r.end == PrintRun::End::Aborted)
        m_s.dialogs.info(QStringLiteral("ＰＤＦファイルは作成していません。\n") + path);
}

void PrintPanel::pdfSaved(const PrintTargets &targets, const QString &what, const QString &path) {
    // A file in place whose flush is not confirmed is saved, as a card is.
    m_s.dialogs.info(what + QStringLiteral("をＰＤＦファイルに保存しました。\n") + path +
                     (targets.pdfUnconfirmed()
                          ? QStringLiteral("\n\n") + filefailure::unconfirmedText()
                          : QString()));
}

void PrintPanel::preview(PrintTargets &targets) {
    if (!ready())
        return;
    if (PrintRun::select(m_staff, m_settings).isEmpty()) {
        m_s.dialogs.info(QStringLiteral("印刷する勤務実績表がありません。"));
        return;
    }
    if (previewOnce(targets, QStringLiteral("勤務実績表 ") + m_month,
                    [this, &targets](Printer &p, Services &quiet) {
                        run(p, targets, QStringLiteral("表示"), quiet);
                    }))
        print(targets);
}

bool PrintPanel::previewOnce(PrintTargets &targets, const QString &title,
                             const std::function<void(Printer &, Services &)> &draw) {
    // The window draws again whenever it needs the pages: what a drawing asks
    // or tells is shown once.
    OnceDialogs once(m_s.dialogs);
    Services quiet{m_s.fs, once, m_s.clock, m_s.settings, m_s.programEnd, m_s.session};
    return targets.preview(title, [&](Printer &p) { draw(p, quiet); });
}

QString PrintPanel::overHoursPdfName() const {
    return m_month + QStringLiteral("_%1時間超の一覧.pdf").arg(m_over.limitHours);
}

PrintRun::Result PrintPanel::runList(Printer &printer, Services &s) {
    PrintRun r(s, printer);
    const QDate today = m_s.clock.now().date();
    m_last = r.pages([&](double offsetX, double offsetY) {
        return OverHoursList(printer, offsetX, offsetY).draw(m_over, today);
    });
    return m_last;
}

void PrintPanel::overHoursList(PrintTargets &targets, ListTarget where) {
    const QString title = OverHoursList::title(m_over.limitHours) + QLatin1Char(' ') + m_month;
    switch (where) {
    case ListTarget::Office:
        if (Printer *office = targets.office()) {
            if (runList(*office, m_s).end == PrintRun::End::Done)
                sent(*office, QStringLiteral("一覧"));
            return;
        }
        if (m_s.dialogs.message(QStringLiteral("使用できるプリンターがありません。\n"
                                               "一覧をＰＤＦファイルに保存しますか？"),
                                QStringLiteral("確認"), BoxIcon::Question,
                                BoxButtons::YesNo) == BoxAnswer::Yes)
            overHoursList(targets, ListTarget::Pdf);
        return;
    case ListTarget::Pdf: {
        const QString path = targets.askPdfFile(overHoursPdfName());
        if (path.isEmpty() || filefailure::refuseDataFolder(m_s, path))
            return;
        const PrintRun::Result r = runList(targets.pdfFile(path, title), m_s);
        if (r.end == PrintRun::End::Done)
            pdfSaved(targets, QStringLiteral("一覧"), path);
        else if (r.end == PrintRun::End::Aborted)
            m_s.dialogs.info(QStringLiteral("ＰＤＦファイルは作成していません。\n") + path);
        return;
    }
    case ListTarget::Preview:
        if (previewOnce(targets, title, [this](Printer &p, Services &quiet) { runList(p, quiet); }))
            overHoursList(targets, ListTarget::Office);
        return;
    }
}
