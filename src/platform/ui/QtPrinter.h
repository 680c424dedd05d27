#pragma once

#include "platform/Printer.h"

#include <QFont>
#include <QPainter>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// The printer operations on a Qt paged device: a printer, a PDF writer or
// the printer of a print preview. The painter begins with the first drawing
// of a document. Lengths in device pixels of the legacy printer (line widths)
// are taken as 1/600 inch, so a sheet looks the same on every resolution.
class QtPrinter : public Printer {
public:
    // printer: the same device when it is a printer (setup dialog, state).
    explicit QtPrinter(QPagedPaintDevice &device, QPrinter *printer = nullptr,
                       QWidget *dialogParent = nullptr);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter &) = delete;
    QtPrinter &operator=(const QtPrinter &) = delete;

    int setPaperSize(int code) override;
    Reading<int> paperSize() override;
    int setScaleUnit(int unit) override;
    Reading<double> printableWidth() override;
    int setScaleOrigin(double left, double top) override;
    Reading<int> deviceCaps(int index) override;
    int setLineStyle(int style) override;
    int setLineWidth(int devicePixels) override;
    int line(double x1, double y1, double x2, double y2) override;
    int rectangle(double x1, double y1, double x2, double y2) override;
    int setFontFace(const QString &face) override;
    int setFontSize(double points) override;
    int setPosition(double x, double y) override;
    int print(const QString &text) override;
    int newPage() override;
    int endDocument() override;
    int abortDocument() override;
    int setupDialog() override;

    // The sheet's Windows faces and their counterparts here.
    static void mapSheetFaces();
    int pages() const { return m_pages; }

protected:
    // A target that keeps its document somewhere until it ends: called
    // before the painter begins, after it ended well, and after a document
    // was dropped or failed.
    virtual int startJob() { return 0; }
    virtual int finishJob() { return 0; }
    virtual void dropJob() {}

private:
    int open();
    int state() const;
    double perUnit() const; // device pixels per scale unit
    QPointF toDevice(double x, double y) const;
    QPen pen() const;

    QPagedPaintDevice &m_device;
    QPrinter *m_printer;
    QWidget *m_dialogParent;
    QPainter m_painter;
    bool m_open = false;
    int m_pages = 0;
    int m_unit = Twips;
    double m_originX = 0;
    double m_originY = 0;
    int m_lineWidth = 1;
    QFont m_font;
    double m_ascent = -1; // of the font on the device; -1 until measured
    double m_x = 0;
    double m_y = 0;
};
