#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/EmployeeLine.h"
#include "data/HistoryRows.h"
#include "platform/Printer.h"
#include "printing/PrintProgress.h"
#include "printing/PrintSettings.h"
#include "screen/Services.h"

#include <QStringList>
#include <functional>

// What a sheet prints of a stored card, and each reason it wants a second
// look, which the print panel and the end notice name.
struct SheetCard {
    CardTable table;
    QStringList notes;
};
// Gives the sheet of a stored card. The tally screen's tallies the card anew
// as the payroll export does, so that the sheet and the export agree.
using SheetReview = std::function<SheetCard(const CardTable &stored)>;

// What a print run prints: the tally screen's staff list, its card month and
// its calculation settings.
struct PrintJob {
    QList<EmployeeLine> staff; // the staff list: whole codes, names, "◆"
    QString monthFolder;
    CalcSettings settings;
    QString verb = QStringLiteral("印刷"); // what the end notice says was done
    // After each sheet, the pages of the employee's changes in the month.
    bool withHistory = false;
    // The sheet of a stored card; none prints the card as stored.
    SheetReview review;
    // Where the sheets went (a PDF file), named in the end notice; may be empty.
    QString place;
};

// One employee to print, as the staff list names them.
struct PrintEmployee {
    QString code;
    QString name;
};

// The print run (insatu) on one printer: page setup, the printer checks, the
// employees of the marked entries, each sheet from its stored card, copies
// one after the other, and the errors by number.
class PrintRun {
public:
    enum class End {
        Done,      // the document was ended (maybe empty)
        Declined,  // the user said No to the narrow area, or the paper is no A4
        Aborted,   // a printer error; the job was dropped
        Cancelled, // stopped by the user between two employees; the job was dropped
        Ended,     // the program ends
    };
    struct Result {
        End end = End::Done;
        int employees = 0; // whose sheets went into the document
        int pages = 0;
        QStringList unreadable; // employees whose card could not be read
        QStringList toCheck;    // printed, with the reason to look again
        bool told = false;      // the end notice was shown
    };

    PrintRun(Services &s, Printer &printer) : m_s(s), m_printer(printer) {}

    // Page setup and measurement: A4 portrait, then the printable-area
    // offsets in millimetres. A step that fails is skipped.
    void A4kensa();
    double offsetX() const { return m_offsetX; }
    double offsetY() const { return m_offsetY; }

    Result insatu(const PrintJob &job, PrintSettings &settings, PrintProgress *progress = nullptr);

    // A document of the run's own pages instead of sheets: the same page
    // setup and checks, then draw with the printable-area offsets in points,
    // which returns the first printer error it met, or 0.
    Result pages(const std::function<int(double offsetX, double offsetY)> &draw);

    // The sheet of a stored card as the job prints it.
    static SheetCard sheetOf(const PrintJob &job, const CardTable &stored);
    // "12　鈴木花子（…）" for each reason a sheet wants a second look.
    static QStringList toCheck(const QString &who, const SheetCard &sheet);

    // The marked entries of the staff list that the settings select, in list
    // order.
    static QList<PrintEmployee> select(const QList<EmployeeLine> &staff,
                                       const PrintSettings &settings);
    // The platform's description of a run-time error number.
    static QString describe(int error);

    static constexpr double kNarrowWidthMm = 195;

private:
    enum class Next { Go, Stop };
    // The page setup and the printer checks before the first page.
    Next prepare(Result &r);
    // The reaction to an error of a run's step; Go when the run continues.
    Next handle(int error, Result &r);
    // True when the error ends the run (handled as above).
    bool stops(int error, Result &r) { return handle(error, r) == Next::Stop; }
    // One sheet: the page opened, waku, data.
    Next sheet(const PrintJob &job, const CardTable &card, Result &r);
    // The employee's history pages, each on a page of its own after the sheet.
    Next historyPages(const PrintJob &job, const CardTable &card, const QList<history::Row> &rows,
                      const QString &note, const QString &head, Result &r);

    Services &m_s;
    Printer &m_printer;
    double m_offsetX = 0;
    double m_offsetY = 0;
};
