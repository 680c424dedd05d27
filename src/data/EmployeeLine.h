#pragma once

#include "platform/FileSystem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// An employee as a list shows them: the card rack, the additional punch's
// list, the tally's staff list, and what the print run and the payroll export
// take from it. The code is the whole code the card file is named by: a line
// leads to its card by it, never by the text the list shows.
struct EmployeeLine {
    QString code;
    QString name;
    bool marked = false; // "◆": opened in this tally
    bool operator==(const EmployeeLine &) const = default;
};

namespace employeeline {

inline constexpr int kCodeWidth = 4;

QString mark(); // "◆"

// The text of a line: the mark when marked, the code padded to four
// characters, then the name. A longer code is shown whole, with a blank
// after it, so that no two codes ever read alike.
QString text(const EmployeeLine &e);
QStringList texts(const QList<EmployeeLine> &lines);

// The line of a whole code (surrounding blanks ignored); -1 when none.
int indexOf(const QList<EmployeeLine> &lines, const QString &code);

// The codes of a card month folder's card files, as their names give them,
// in the order of employees (CardMonth::employeeBefore). A file whose code
// has blanks at either end, or could not name a card, is left out.
QStringList cardCodes(FileSystem &fs, const QString &folder);
// Lines in the order of employees; lines of one code keep their order.
void sortLines(QList<EmployeeLine> &lines);

// The line of the card of fileCode in folder. It always carries the file's
// code, by which the card is found again; the name is the one the card holds
// when its head is that code's, else fallbackName(), asked only then (a card
// damaged, emptied or holding garbage or another code names no one). Nothing
// when the card could not be read at all.
std::optional<EmployeeLine> ofCard(FileSystem &fs, const QString &folder, const QString &fileCode,
                                   const std::function<QString()> &fallbackName = {});

} // namespace employeeline
