#pragma once

#include "platform/Printer.h"

#include <QString>
#include <QtGlobal>

// Drawing on the printed pages in sheet positions: millimetres from the
// paper's top-left corner, while the printer is driven in points from its
// printable area, so every position is shifted by the printable-area offsets.
// Each call returns the printer's error, or 0.
class SheetPen {
public:
    static constexpr double kPointsPerMm = 720.0 / 254.0;
    // The faces the printed pages use.
    static inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
    static inline const QString kMincho = QStringLiteral("ＭＳ 明朝");

    // Points rounded to whole points: to nearest, ties to even, kept in a
    // signed 16-bit value.
    static qint16 wholePoints(double points);
    // The text anchor of a sheet position in millimetres, in whole points.
    static qint16 anchor(double mm) { return wholePoints(mm * kPointsPerMm); }

protected:
    // offsetX and offsetY: the printable area's distance from the paper's
    // top-left corner, in points.
    SheetPen(Printer &printer, double offsetX, double offsetY)
        : m_printer(printer), m_offsetX(offsetX), m_offsetY(offsetY) {}

    // Places the text with its cell's top-left corner at (x, y) whole points.
    int lprint(const QString &text, int x, int y);
    // A line between two sheet positions.
    int line(double x1, double y1, double x2, double y2);
    // The outline of the rectangle between two sheet positions.
    int rectangle(double x1, double y1, double x2, double y2);
    // The text at the anchor of a sheet position.
    int text(const QString &text, double x, double y);

    Printer &m_printer;

private:
    double m_offsetX;
    double m_offsetY;
};
