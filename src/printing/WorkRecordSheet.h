#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "platform/Printer.h"

#include <QString>
#include <QtGlobal>

// One A4 work record sheet (勤務実績表) drawn on the page the print run has
// opened. Sheet positions are millimetres from the paper's top-left corner;
// the printer is driven in points from its printable area, so every position
// is shifted by the printable-area offsets. Each procedure returns the first
// printer error it met (the rest of it is then skipped), or 0.
class WorkRecordSheet {
public:
    static constexpr double kPointsPerMm = 720.0 / 254.0;

    // offsetX and offsetY: the printable area's distance from the paper's
    // top-left corner, in points.
    WorkRecordSheet(Printer &printer, double offsetX, double offsetY)
        : m_printer(printer), m_offsetX(offsetX), m_offsetY(offsetY) {}

    // Points rounded to whole points: to nearest, ties to even, kept in a
    // signed 16-bit value.
    static qint16 wholePoints(double points);
    // The text anchor of a sheet position in millimetres, in whole points.
    static qint16 anchor(double mm) { return wholePoints(mm * kPointsPerMm); }

    // Places the text with its cell's top-left corner at (x, y) whole points.
    int lprint(const QString &text, int x, int y);
    // The frame and every fixed text; leaves the font at "ＭＳ 明朝" 9.
    int waku();
    // One employee's month, from the card and the rounding settings.
    int data(const CardTable &card, const QString &monthFolder, const CalcSettings &settings);

    // The footer of a pay type, or the empty text when it gets none.
    static QString footer(const QString &payType, const CalcSettings &settings);
    // The last n characters of the text with n spaces put before it.
    static QString rightAligned(const QString &text, int n);

private:
    int line(double x1, double y1, double x2, double y2);
    int text(const QString &text, double x, double y);

    Printer &m_printer;
    double m_offsetX;
    double m_offsetY;
};
