#include "platform/ui/PdfFilePrinter.h"

#include "platform/SafeSave.h"

#include <QPageLayout>

PdfFilePrinter::PdfFilePrinter(QString path, const QString &title)
    : QtPrinter(writer), m_path(std::move(path)) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Kelvane"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

int PdfFilePrinter::startJob() {
    buffer.close();
    buffer.setData(QByteArray());
    return buffer.open(QIODevice::WriteOnly) ? 0 : kPrinterFault;
}

int PdfFilePrinter::finishJob() {
    buffer.close();
    const FileError e = safeReplace(m_path, buffer.data());
    buffer.setData(QByteArray());
    return e == FileError::None ? 0 : kPrinterFault;
}

void PdfFilePrinter::dropJob() {
    buffer.close();
    buffer.setData(QByteArray());
}
