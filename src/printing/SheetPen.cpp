#include "printing/SheetPen.h"

#include <algorithm>
#include <cmath>
#include <limits>

qint16 SheetPen::wholePoints(double points) {
    // nearbyint rounds half to even in the default rounding mode.
    const double p = std::nearbyint(points);
    constexpr double lo = std::numeric_limits<qint16>::min();
    constexpr double hi = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(std::clamp(p, lo, hi));
}

int SheetPen::lprint(const QString &text, int x, int y) {
    if (int e = m_printer.setPosition(x - m_offsetX, y - m_offsetY))
        return e;
    return m_printer.print(text);
}

int SheetPen::line(double x1, double y1, double x2, double y2) {
    return m_printer.line(x1 * kPointsPerMm - m_offsetX, y1 * kPointsPerMm - m_offsetY,
                          x2 * kPointsPerMm - m_offsetX, y2 * kPointsPerMm - m_offsetY);
}

int SheetPen::rectangle(double x1, double y1, double x2, double y2) {
    return m_printer.rectangle(x1 * kPointsPerMm - m_offsetX, y1 * kPointsPerMm - m_offsetY,
                               x2 * kPointsPerMm - m_offsetX, y2 * kPointsPerMm - m_offsetY);
}

int SheetPen::text(const QString &text, double x, double y) {
    return lprint(text, anchor(x), anchor(y));
}
