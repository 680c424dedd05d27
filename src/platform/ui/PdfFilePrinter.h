#pragma once

#include "platform/ui/QtPrinter.h"

#include <QBuffer>
#include <QPdfWriter>

namespace pdffile {
// The writer comes before the printer that draws on it.
struct Device {
    Device() : writer(&buffer) {}
    QBuffer buffer;
    QPdfWriter writer;
};
} // namespace pdffile

// An A4 PDF file. The document is kept in memory and the file is replaced
// whole, through the safe save, only when the document ends: a dropped run
// leaves no file, and an existing file gives way only to a complete one.
class PdfFilePrinter : private pdffile::Device, public QtPrinter {
public:
    PdfFilePrinter(QString path, const QString &title);
    const QString &path() const { return m_path; }

protected:
    int startJob() override;
    int finishJob() override;
    void dropJob() override;

private:
    QString m_path;
};
