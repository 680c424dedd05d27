#include "platform/ui/QtPrinter.h"

#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

struct Paper {
    int code;
    QPageSize::PageSizeId id;
};
constexpr Paper kPapers[] = {
    {1, QPageSize::Letter},       {5, QPageSize::Legal}, {8, QPageSize::A3},
    {Printer::A4, QPageSize::A4}, {11, QPageSize::A5},   {12, QPageSize::JisB4},
    {13, QPageSize::JisB5},
};
constexpr int kUserPaper = 256; // a size without a code of its own

// Scale units per inch; 0 for the device's own pixels.
double unitsPerInch(int unit) {
    switch (unit) {
    case Printer::Twips:
        return 1440;
    case Printer::Points:
        return 72;
    case Printer::Inches:
        return 1;
    case Printer::Millimetres:
        return 25.4;
    case Printer::Centimetres:
        return 2.54;
    default:
        return 0;
    }
}

constexpr double kLegacyDpi = 600;

} // namespace

QtPrinter::QtPrinter(QPagedPaintDevice &device, QPrinter *printer, QWidget *dialogParent)
    : m_device(device), m_printer(printer), m_dialogParent(dialogParent) {
    mapSheetFaces();
}

QtPrinter::~QtPrinter() {
    if (m_open)
        abortDocument();
}

void QtPrinter::mapSheetFaces() {
    const std::pair<QString, QString> faces[] = {
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
    };
    for (const auto &[face, here] : faces)
        if (!QFont::substitutes(face).contains(here))
            QFont::insertSubstitution(face, here);
}

int QtPrinter::state() const {
    if (m_printer && (m_printer->printerState() == QPrinter::Error ||
                      m_printer->printerState() == QPrinter::Aborted))
        return kPrinterFault;
    return 0;
}

int QtPrinter::open() {
    if (m_open)
        return state();
    if (m_printer && !m_printer->isValid())
        return kNoPrinterInfo;
    if (int e = startJob())
        return e;
    if (!m_painter.begin(&m_device)) {
        dropJob();
        return kPrinterFault;
    }
    m_open = true;
    m_pages = 1;
    m_painter.setFont(m_font);
    return 0;
}

double QtPrinter::perUnit() const {
    const double dpi = m_device.logicalDpiX();
    const double u = unitsPerInch(m_unit);
    return u > 0 ? dpi / u : 1.0;
}

QPointF QtPrinter::toDevice(double x, double y) const {
    return {(x - m_originX) * perUnit(), (y - m_originY) * perUnit()};
}

QPen QtPrinter::pen() const {
    const double width = m_lineWidth * m_device.logicalDpiX() / kLegacyDpi;
    return QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

int QtPrinter::setPaperSize(int code) {
    for (const Paper &p : kPapers) {
        if (p.code != code)
            continue;
        if (!m_device.setPageSize(QPageSize(p.id)))
            return kUnsupported;
        m_device.setPageOrientation(QPageLayout::Portrait);
        return 0;
    }
    return kUnsupported;
}

Printer::Reading<int> QtPrinter::paperSize() {
    const QPageSize::PageSizeId id = m_device.pageLayout().pageSize().id();
    for (const Paper &p : kPapers)
        if (p.id == id)
            return {p.code, 0};
    return {kUserPaper, 0};
}

int QtPrinter::setScaleUnit(int unit) {
    if (unit != Pixels && unitsPerInch(unit) == 0)
        return 5; // no such unit
    m_unit = unit;
    return 0;
}

Printer::Reading<double> QtPrinter::printableWidth() {
    const int dpi = m_device.logicalDpiX();
    if (dpi <= 0)
        return {0, kNoPrinterInfo};
    return {m_device.pageLayout().paintRectPixels(dpi).width() / perUnit(), 0};
}

int QtPrinter::setScaleOrigin(double left, double top) {
    m_originX = left;
    m_originY = top;
    return 0;
}

Printer::Reading<int> QtPrinter::deviceCaps(int index) {
    if (m_printer && !m_printer->isValid())
        return {0, kNoPrinterInfo};
    const int dpi = m_device.logicalDpiX();
    const QPageLayout layout = m_device.pageLayout();
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    switch (index) {
    case PhysicalWidth:
        return {full.width(), 0};
    case PhysicalHeight:
        return {full.height(), 0};
    case PhysicalOffsetX:
        return {paint.left() - full.left(), 0};
    case PhysicalOffsetY:
        return {paint.top() - full.top(), 0};
    default:
        return {0, 5};
    }
}

int QtPrinter::setLineStyle(int style) {
    return style == Solid ? 0 : kUnsupported;
}

int QtPrinter::setLineWidth(int devicePixels) {
    m_lineWidth = std::max(1, devicePixels);
    return 0;
}

int QtPrinter::line(double x1, double y1, double x2, double y2) {
    if (int e = open())
        return e;
    m_painter.setPen(pen());
    m_painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
    return 0;
}

int QtPrinter::rectangle(double x1, double y1, double x2, double y2) {
    if (int e = open())
        return e;
    m_painter.setPen(pen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
    return 0;
}

int QtPrinter::setFontFace(const QString &face) {
    m_font.setFamilies({face});
    m_ascent = -1;
    if (m_open)
        m_painter.setFont(m_font);
    return 0;
}

int QtPrinter::setFontSize(double points) {
    if (points <= 0)
        return 5;
    m_font.setPointSizeF(points);
    m_ascent = -1;
    if (m_open)
        m_painter.setFont(m_font);
    return 0;
}

int QtPrinter::setPosition(double x, double y) {
    m_x = x;
    m_y = y;
    return 0;
}

int QtPrinter::print(const QString &text) {
    if (int e = open())
        return e;
    if (text.isEmpty())
        return 0;
    m_painter.setPen(Qt::black);
    const QPointF at = toDevice(m_x, m_y);
    if (m_ascent < 0)
        m_ascent = QFontMetricsF(m_font, &m_device).ascent();
    m_painter.drawText(QPointF(at.x(), at.y() + m_ascent), text);
    return 0;
}

int QtPrinter::newPage() {
    if (int e = open())
        return e;
    if (!m_device.newPage())
        return kPrinterFault;
    ++m_pages;
    return state();
}

int QtPrinter::endDocument() {
    if (!m_open)
        return 0;
    m_open = false;
    const bool ended = m_painter.end();
    if (!ended || state()) {
        dropJob();
        return kPrinterFault;
    }
    return finishJob();
}

int QtPrinter::abortDocument() {
    if (!m_open)
        return 0;
    m_open = false;
    if (m_printer)
        m_printer->abort();
    m_painter.end();
    dropJob();
    return 0;
}

int QtPrinter::setupDialog() {
    if (!m_printer)
        return 0;
    QPrintDialog dialog(m_printer, m_dialogParent);
    dialog.setWindowTitle(QStringLiteral("プリンターの設定"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    // It chooses the printer for later runs; it prints nothing itself.
    for (QDialogButtonBox *buttons : dialog.findChildren<QDialogButtonBox *>())
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    dialog.exec();
    // The run prints its copies itself.
    m_printer->setCopyCount(1);
    return 0;
}
