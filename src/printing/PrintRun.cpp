#include "printing/PrintRun.h"

#include "data/HistoryCover.h"

#include "data/CardTable.h"
#include "data/FileFailure.h"
#include "printing/HistoryPage.h"
#include "printing/WorkRecordSheet.h"

namespace {

const QString kErrorTitle = QStringLiteral("エラー");

// Tells the progress the run is over on every way out.
struct ProgressEnd {
    PrintProgress *progress;
    ~ProgressEnd() {
        if (progress)
            progress->finish();
    }
};

QString listed(const QStringList &who) {
    constexpr int kListed = 10;
    QString text;
    for (int i = 0; i < who.size() && i < kListed; ++i)
        text += QStringLiteral("\n　") + who[i];
    if (who.size() > kListed)
        text += QStringLiteral("\n　ほか") + QString::number(who.size() - kListed) +
                QStringLiteral("名");
    return text;
}

QString endText(const PrintJob &job, const PrintRun::Result &r) {
    QString text = QString::number(r.employees) + QStringLiteral("名分の勤務実績表を") + job.verb +
                   QStringLiteral("しました。");
    if (!job.place.isEmpty())
        text += QLatin1Char('\n') + job.place;
    if (!r.unreadable.isEmpty())
        text += QStringLiteral("\n\n次の従業員はタイムカードを読めないため、") + job.verb +
                QStringLiteral("できませんでした。\n") + listed(r.unreadable);
    if (!r.toCheck.isEmpty())
        text += QStringLiteral("\n\n次の勤務実績表は、") + job.verb +
                QStringLiteral("しましたが確かめてください。\n") + listed(r.toCheck);
    return text;
}

} // namespace

SheetCard PrintRun::sheetOf(const PrintJob &job, const CardTable &stored) {
    return job.review ? job.review(stored) : SheetCard{stored, {}};
}

QStringList PrintRun::toCheck(const QString &who, const SheetCard &sheet) {
    QStringList out;
    for (const QString &note : sheet.notes)
        out << who + QStringLiteral("（") + note + QStringLiteral("）");
    return out;
}

QList<PrintEmployee> PrintRun::select(const QList<EmployeeLine> &staff,
                                      const PrintSettings &settings) {
    const bool all = settings.rangeMode == PrintSettings::kAll;
    if (!all && settings.rangeMode != PrintSettings::kDesignated)
        return {};
    const int from = leadingNumber(settings.fromCode);
    const int to = leadingNumber(settings.toCode);
    QList<PrintEmployee> chosen;
    for (const EmployeeLine &entry : staff) {
        if (!entry.marked)
            continue;
        const QString code = entry.code.trimmed();
        if (!all) {
            const int n = leadingNumber(code);
            if (n < from || n > to)
                continue;
        }
        chosen.append({code, entry.name.trimmed()});
    }
    return chosen;
}

QString PrintRun::describe(int error) {
    switch (error) {
    case 5:
        return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case 53:
        return QStringLiteral("ファイルが見つかりません。");
    case 57:
        return QStringLiteral("デバイス I/O エラーです。");
    case 61:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case 62:
        return QStringLiteral("ファイルにこれ以上データがありません。");
    case 75:
        return QStringLiteral("パス名が無効です。");
    case 76:
        return QStringLiteral("パスが見つかりません。");
    case Printer::kPrinterFault:
        return QStringLiteral("プリンタ エラーです。");
    case Printer::kUnsupported:
        return QStringLiteral("プリンタ ドライバは指定されたプロパティをサポートしていません。");
    case Printer::kNoPrinterInfo:
        return QStringLiteral("プリンタ情報を取得できませんでした。");
    default:
        return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。(") +
               QString::number(error) + QLatin1Char(')');
    }
}

void PrintRun::A4kensa() {
    m_offsetX = 0;
    m_offsetY = 0;
    m_printer.setPaperSize(Printer::A4);
    m_printer.setScaleUnit(Printer::Millimetres);
    const auto w = m_printer.deviceCaps(Printer::PhysicalWidth);
    const auto h = m_printer.deviceCaps(Printer::PhysicalHeight);
    const auto x = m_printer.deviceCaps(Printer::PhysicalOffsetX);
    const auto y = m_printer.deviceCaps(Printer::PhysicalOffsetY);
    if (w.error || h.error || w.value <= 0 || h.value <= 0)
        return;
    if (!x.error)
        m_offsetX = static_cast<double>(x.value) / w.value * 210;
    if (!y.error)
        m_offsetY = static_cast<double>(y.value) / h.value * 297;
}

PrintRun::Next PrintRun::handle(int error, Result &r) {
    switch (error) {
    case 0:
    case Printer::kUnsupported:
    case 62: // past the end of a file
    case 5:  // invalid argument
        return Next::Go;
    case Printer::kPrinterFault:
    case Printer::kNoPrinterInfo:
        m_printer.abortDocument();
        m_s.dialogs.message(error == Printer::kPrinterFault
                                ? QStringLiteral("印刷の中止、またはプリンターのエラーです")
                                : QStringLiteral("プリンターの情報を正しく受け取れません。"
                                                 "プリンターの設定を確認してください。"),
                            kErrorTitle, BoxIcon::Critical, BoxButtons::Ok);
        r.end = End::Aborted;
        return Next::Stop;
    case static_cast<int>(FileError::DeviceIO):
    case static_cast<int>(FileError::DiskFull):
        m_printer.abortDocument();
        filefailure::endOnFatal(m_s, static_cast<FileError>(error), IoWording::Guidebook);
        r.end = End::Ended;
        return Next::Stop;
    default:
        m_printer.abortDocument();
        m_s.dialogs.message(QStringLiteral("エラー番号 = T-501\rエラー原因 = ") + describe(error) +
                                QStringLiteral("\r(申し訳ございませんが、エラー番号とエラー原因を"
                                               "メモしてから、ガイドブックをおよみください。)"),
                            QStringLiteral("プログラムエラー"), BoxIcon::Critical, BoxButtons::Ok);
        m_s.programEnd.endProgram();
        r.end = End::Ended;
        return Next::Stop;
    }
}

PrintRun::Next PrintRun::sheet(const PrintJob &job, const CardTable &card, Result &r) {
    WorkRecordSheet s(m_printer, m_offsetX, m_offsetY);
    if (stops(m_printer.setScaleOrigin(0, 0), r))
        return Next::Stop;
    if (stops(m_printer.setFontFace(SheetPen::kGothic), r))
        return Next::Stop;
    if (stops(m_printer.setFontSize(12), r))
        return Next::Stop;
    // The empty text opens the page.
    if (stops(s.lprint(QString(), WorkRecordSheet::anchor(10), WorkRecordSheet::anchor(10)), r))
        return Next::Stop;
    if (stops(s.waku(), r))
        return Next::Stop;
    return handle(s.data(card, job.monthFolder, job.settings), r);
}

PrintRun::Next PrintRun::historyPages(const PrintJob &job, const CardTable &card,
                                      const QList<history::Row> &rows, const QString &note,
                                      const QString &head, Result &r) {
    const QList<QList<HistoryPage::Line>> pages = HistoryPage::pages(rows, note);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (stops(m_printer.newPage(), r))
            return Next::Stop;
        if (stops(m_printer.setScaleOrigin(0, 0), r))
            return Next::Stop;
        HistoryPage page(m_printer, m_offsetX, m_offsetY);
        if (stops(page.draw(pages[p], static_cast<int>(p + 1), static_cast<int>(pages.size()),
                            job.monthFolder, card.at(0, CardField::Name), head),
                  r))
            return Next::Stop;
        ++r.pages;
    }
    return Next::Go;
}

PrintRun::Next PrintRun::prepare(Result &r) {
    A4kensa();

    const auto width = m_printer.printableWidth();
    if (stops(width.error, r))
        return Next::Stop;
    if (!width.error && width.value <= kNarrowWidthMm &&
        m_s.dialogs.message(QStringLiteral("使用するプリンターの印刷可能範囲が狭いため、"
                                           "正常に印刷されないことがあります。よろしいですか？"),
                            QStringLiteral("確認"), BoxIcon::Question,
                            BoxButtons::YesNo) != BoxAnswer::Yes) {
        r.end = End::Declined;
        return Next::Stop;
    }

    const auto paper = m_printer.paperSize();
    if (stops(paper.error, r))
        return Next::Stop;
    if (!paper.error && paper.value != Printer::A4) {
        m_s.dialogs.message(QStringLiteral("プリンターの「用紙サイズ」をＡ４に設定してください。"),
                            QStringLiteral("用紙サイズ不正"), BoxIcon::None, BoxButtons::Ok);
        r.end = End::Declined;
        return Next::Stop;
    }

    if (stops(m_printer.setScaleUnit(Printer::Points), r))
        return Next::Stop;
    m_offsetX *= WorkRecordSheet::kPointsPerMm;
    m_offsetY *= WorkRecordSheet::kPointsPerMm;
    return Next::Go;
}

PrintRun::Result PrintRun::insatu(const PrintJob &job, PrintSettings &settings,
                                  PrintProgress *progress) {
    ProgressEnd progressEnd{progress};
    Result r;
    if (prepare(r) == Next::Stop)
        return r;

    if (settings.copies.isEmpty())
        settings.copies = QStringLiteral("1");
    const int copies = leadingNumber(settings.copies);
    const QList<PrintEmployee> employees = select(job.staff, settings);
    // The month's history is read once for every employee of the run.
    FileError historyError = FileError::None;
    const QHash<QString, QList<history::Record>> histories =
        job.withHistory && !employees.isEmpty()
            ? history::recordsOfMonth(m_s.fs, job.monthFolder, &historyError)
            : QHash<QString, QList<history::Record>>();
    // Each history page shows the history's head: a printed page anchors it.
    const QString head =
        job.withHistory && !employees.isEmpty() ? history::tailHead(m_s.fs).shortForm() : QString();

    for (qsizetype i = 0; i < employees.size(); ++i) {
        const PrintEmployee &e = employees[i];
        const QString who = e.code + QStringLiteral("　") + e.name;
        if (progress &&
            !progress->next(static_cast<int>(i), static_cast<int>(employees.size()), who)) {
            m_printer.abortDocument();
            r.end = End::Cancelled;
            return r;
        }
        const cardfile::Read card = cardfile::read(m_s.fs, job.monthFolder, e.code);
        if (card.error == FileError::DeviceIO || card.error == FileError::DiskFull) {
            handle(errorNumber(card.error), r);
            return r;
        }
        // A short card prints what it holds, the missing fields empty; a card
        // of garbage, or of another code, is no one's sheet.
        const bool shortCard =
            card.error == FileError::Damaged && card.found > 0 && card.found < CardTable::kValues;
        if (!card.ok() && !shortCard) {
            // A card that is missing or cannot be read costs its own sheet only.
            r.unreadable.append(who);
            continue;
        }
        if (r.pages > 0 && stops(m_printer.newPage(), r))
            return r;
        const QList<history::Row> changes = history::rowsOf(histories.value(e.code), false);
        // Never "no changes" for a history that could not be read.
        const QString note = historyError != FileError::None
                                 ? QStringLiteral("変更履歴（%1）を最後まで読めませんでした。")
                                       .arg(QLatin1String(history::kFileName))
                             : changes.isEmpty()
                                 ? QStringLiteral("この月の打刻の変更はありません。")
                                 : QString();
        const SheetCard printed = sheetOf(job, card.table);
        r.toCheck << toCheck(who, printed);
        for (int copy = 1; copy <= copies; ++copy) {
            if (sheet(job, printed.table, r) == Next::Stop)
                return r;
            ++r.pages;
            // Each copy is whole: its sheet, then its history pages.
            if (job.withHistory &&
                historyPages(job, card.table, changes, note, head, r) == Next::Stop)
                return r;
            if (copy < copies && stops(m_printer.newPage(), r))
                return r;
        }
        ++r.employees;
    }

    if (stops(m_printer.endDocument(), r))
        return r;
    if (!r.unreadable.isEmpty() || !r.toCheck.isEmpty()) {
        m_s.dialogs.notice(endText(job, r));
        r.told = true;
    }
    return r;
}

PrintRun::Result PrintRun::pages(const std::function<int(double, double)> &draw) {
    Result r;
    if (prepare(r) == Next::Stop)
        return r;
    if (stops(m_printer.setScaleOrigin(0, 0), r))
        return r;
    if (stops(draw(m_offsetX, m_offsetY), r))
        return r;
    ++r.pages;
    handle(m_printer.endDocument(), r);
    return r;
}
