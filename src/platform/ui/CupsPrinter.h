#pragma once

#include "platform/ui/QtPrinter.h"

#include <QPrinter>

namespace cupsprinter {
struct Device {
    QPrinter printer{QPrinter::HighResolution};
};
} // namespace cupsprinter

// A printer of the system's print service (CUPS). The document is drawn into
// a temporary file and handed to the service whole when it ends: a dropped
// run prints nothing, and a job the service refuses is a printer error, not
// a silent loss.
class CupsPrinter : private cupsprinter::Device, public QtPrinter {
public:
    // The printers of the system; empty when it has none.
    static QStringList printerNames();
    // The system's default printer, else its first one, else empty.
    static QString defaultPrinterName();

    CupsPrinter(const QString &name, QWidget *dialogParent);
    ~CupsPrinter() override;
    QString name() const { return printer.printerName(); }
    QString printerName() const override { return name(); }
    void setTitle(const QString &title) { printer.setDocName(title); }

protected:
    int startJob() override;
    int finishJob() override;
    void dropJob() override;

private:
    void removeTemp();
    QString m_temp;
};
