#pragma once

#include "platform/SafeSave.h"
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
    PdfFilePrinter(QString path, const QString &title, PosixOps &ops = realPosixOps());
    const QString &path() const { return m_path; }
    // The file of the last document is in place, but its write to the disk
    // could not be confirmed: saved, with a warning.
    bool unconfirmed() const { return m_unconfirmed; }

protected:
    int startJob() override;
    int finishJob() override;
    void dropJob() override;

private:
    QString m_path;
    PosixOps &m_ops;
    bool m_unconfirmed = false;
};
