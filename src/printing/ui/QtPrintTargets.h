#pragma once

#include "printing/PrintTargets.h"

#include <memory>

class CupsPrinter;
class PdfFilePrinter;
class QProgressDialog;
class QWidget;

// The real print targets: the system's printers through CUPS, PDF files the
// user names in a file dialog, and the preview window.
class QtPrintTargets : public PrintTargets {
public:
    // Runs of more sheets than this show their progress.
    static constexpr int kQuietSheets = 5;

    explicit QtPrintTargets(QWidget *parent);
    ~QtPrintTargets() override;

    Printer *office() override;
    QString askPdfFile(const QString &suggestedName) override;
    Printer &pdfFile(const QString &path, const QString &title) override;
    bool pdfUnconfirmed() const override;
    bool preview(const QString &title, const std::function<void(Printer &)> &draw) override;
    PrintProgress *progress(int sheets) override;

private:
    QWidget *m_parent;
    std::unique_ptr<CupsPrinter> m_office;
    std::unique_ptr<PdfFilePrinter> m_pdf;
    std::unique_ptr<PrintProgress> m_progress;
};
