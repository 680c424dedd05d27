#pragma once

#include <QString>

// The printer of the print run, as the legacy printer object and its device
// context offered it. Coordinates are in the current scale unit from the
// scale origin, which lies at the top-left corner of the printable area.
// A document starts with the first drawing and ends with endDocument() or
// abortDocument().
//
// Every operation returns 0 when it worked, else the run-time error number:
// kPrinterFault (482), kUnsupported (483) or kNoPrinterInfo (484). The print
// run keeps a table by number, so a stand-in may return any other number too.
class Printer {
public:
    static constexpr int kPrinterFault = 482;  // printer error, or the job was stopped
    static constexpr int kUnsupported = 483;   // the driver does not support the property
    static constexpr int kNoPrinterInfo = 484; // the printer information cannot be had

    enum PaperSize : int { A4 = 9 };
    enum ScaleUnit : int {
        Twips = 1, // the unit a printer starts in
        Points = 2,
        Pixels = 3,
        Inches = 5,
        Millimetres = 6,
        Centimetres = 7,
    };
    enum DeviceCap : int {
        PhysicalWidth = 110,
        PhysicalHeight = 111,
        PhysicalOffsetX = 112,
        PhysicalOffsetY = 113,
    };
    enum LineStyle : int { Solid = 0 };

    template <typename T> struct Reading {
        T value{};
        int error = 0;
    };

    virtual ~Printer() = default;

    // The paper by the platform's paper-size code; the sheet is always
    // printed in portrait orientation.
    virtual int setPaperSize(int code) = 0;
    virtual Reading<int> paperSize() = 0;
    virtual int setScaleUnit(int unit) = 0;
    // The width of the printable area in the current scale unit.
    virtual Reading<double> printableWidth() = 0;
    virtual int setScaleOrigin(double left, double top) = 0;
    // Device capabilities in device pixels (the DeviceCap indexes).
    virtual Reading<int> deviceCaps(int index) = 0;
    virtual int setLineStyle(int style) = 0;
    // In printer device pixels; a device of another resolution than 600 dpi
    // draws the same width in inches (5 pixels are 5/600 inch).
    virtual int setLineWidth(int devicePixels) = 0;
    virtual int line(double x1, double y1, double x2, double y2) = 0;
    // The outline of the rectangle between two corners.
    virtual int rectangle(double x1, double y1, double x2, double y2) = 0;
    virtual int setFontFace(const QString &face) = 0;
    virtual int setFontSize(double points) = 0;
    // The current position: the top-left corner of the next text's cell.
    virtual int setPosition(double x, double y) = 0;
    // Writes the text at the current position in the current font.
    virtual int print(const QString &text) = 0;
    virtual int newPage() = 0;
    // Ends the document and sends the job on.
    virtual int endDocument() = 0;
    // Drops the document begun: nothing of it is printed or kept.
    virtual int abortDocument() = 0;
    // The printer setup dialog: the printer and its settings for the next
    // document. Cancelling it is no error.
    virtual int setupDialog() = 0;
    // The name the user knows the printer by; empty where it has none.
    virtual QString printerName() const { return QString(); }
};
