#include "platform/ui/CupsPrinter.h"

#include <QDir>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>

namespace {

// The print engine's property that holds the options chosen in the dialog.
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

const char *sides(QPrinter::DuplexMode mode) {
    switch (mode) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    default:
        return "one-sided";
    }
}

} // namespace

QStringList CupsPrinter::printerNames() {
    return QPrinterInfo::availablePrinterNames();
}

QString CupsPrinter::defaultPrinterName() {
    const QString d = QPrinterInfo::defaultPrinterName();
    if (!d.isEmpty())
        return d;
    const QStringList all = printerNames();
    return all.isEmpty() ? QString() : all.first();
}

CupsPrinter::CupsPrinter(const QString &name, QWidget *dialogParent)
    : QtPrinter(printer, &printer, dialogParent) {
    printer.setPrinterName(name);
    printer.setFullPage(false);
}

CupsPrinter::~CupsPrinter() {
    abortDocument();
    removeTemp();
}

void CupsPrinter::removeTemp() {
    if (!m_temp.isEmpty())
        QFile::remove(m_temp);
    m_temp.clear();
}

int CupsPrinter::startJob() {
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return kNoPrinterInfo;
    // Not named .pdf: the printer stays the system's printer.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/kelvane-print-XXXXXX.job"));
    file.setAutoRemove(false);
    if (!file.open())
        return kPrinterFault;
    m_temp = file.fileName();
    file.close();
    printer.setOutputFileName(m_temp);
    return 0;
}

int CupsPrinter::finishJob() {
    printer.setOutputFileName(QString());
    cups_option_t *options = nullptr;
    int count = 0;
    const QStringList chosen = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        count = cupsAddOption(chosen[i].toLocal8Bit().constData(),
                              chosen[i + 1].toLocal8Bit().constData(), count, &options);
    count = cupsAddOption("media", printer.pageLayout().pageSize().key().toLocal8Bit().constData(),
                          count, &options);
    count = cupsAddOption("sides", sides(printer.duplex()), count, &options);
    // The name without an instance ("office/duplex" is printed on "office").
    const QByteArray dest = name().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const int job = cupsPrintFile(dest.constData(), QFile::encodeName(m_temp).constData(),
                                  printer.docName().toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    removeTemp();
    if (job == 0) {
        qWarning("CUPS refused the print job: %s", cupsLastErrorString());
        return kPrinterFault;
    }
    return 0;
}

void CupsPrinter::dropJob() {
    printer.setOutputFileName(QString());
    removeTemp();
}
