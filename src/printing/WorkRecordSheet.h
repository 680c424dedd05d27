#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "platform/Printer.h"
#include "printing/SheetPen.h"

#include <QString>
#include <QtGlobal>

// One A4 work record sheet (勤務実績表) drawn on the page the print run has
// opened, in sheet positions (see SheetPen). Each procedure returns the first
// printer error it met (the rest of it is then skipped), or 0.
class WorkRecordSheet : public SheetPen {
public:
    WorkRecordSheet(Printer &printer, double offsetX, double offsetY)
        : SheetPen(printer, offsetX, offsetY) {}

    using SheetPen::lprint;
    // The frame and every fixed text; leaves the font at "ＭＳ 明朝" 9.
    int waku();
    // One employee's month, from the card and the rounding settings.
    int data(const CardTable &card, const QString &monthFolder, const CalcSettings &settings);

    // The footer of a pay type, or the empty text when it gets none.
    static QString footer(const QString &payType, const CalcSettings &settings);
    // The last n characters of the text with n spaces put before it.
    static QString rightAligned(const QString &text, int n);
};
