#include "platform/ui/PdfFilePrinter.h"

#include <QPageLayout>

PdfFilePrinter::PdfFilePrinter(QString path, const QString &title, PosixOps &ops)
    : QtPrinter(writer), m_path(std::move(path)), m_ops(ops) {
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Kelvane"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

int PdfFilePrinter::startJob() {
    m_unconfirmed = false;
    buffer.close();
    buffer.setData(QByteArray());
    return buffer.open(QIODevice::WriteOnly) ? 0 : kPrinterFault;
}

int PdfFilePrinter::finishJob() {
    buffer.close();
    const FileError e = safeReplace(m_path, buffer.data(), m_ops);
    buffer.setData(QByteArray());
    // Unconfirmed: the new file is in place and the old one gone, so the
    // document is saved, only its flush to the disk is not known.
    m_unconfirmed = e == FileError::Unconfirmed;
    return isSaved(e) ? 0 : kPrinterFault;
}

void PdfFilePrinter::dropJob() {
    buffer.close();
    buffer.setData(QByteArray());
}
