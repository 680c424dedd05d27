#include "printing/ui/QtPrintTargets.h"

#include "platform/ui/CupsPrinter.h"
#include "platform/ui/PdfFilePrinter.h"
#include "printing/ui/PreviewWindow.h"
#include "screen/ui/SaveFileDialog.h"

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QProgressDialog>

namespace {

// Which employee of how many, with a button that stops the run between two.
class DialogProgress : public PrintProgress {
public:
    explicit DialogProgress(QWidget *parent) : m_dialog(parent) {
        m_dialog.setObjectName(QStringLiteral("printProgress"));
        m_dialog.setWindowTitle(QStringLiteral("勤務実績表の印刷"));
        m_dialog.setCancelButtonText(QStringLiteral("中止"));
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.setMinimumWidth(360);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
    }
    bool next(int done, int total, const QString &who) override {
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
        m_dialog.setLabelText(QString::number(done + 1) + QStringLiteral(" / ") +
                              QString::number(total) + QStringLiteral(" 人目　") + who);
        QCoreApplication::processEvents();
        return !m_dialog.wasCanceled();
    }
    void finish() override { m_dialog.close(); }

private:
    QProgressDialog m_dialog;
};

} // namespace

QtPrintTargets::QtPrintTargets(QWidget *parent) : m_parent(parent) {}

QtPrintTargets::~QtPrintTargets() = default;

Printer *QtPrintTargets::office() {
    if (m_office && CupsPrinter::printerNames().contains(m_office->name()))
        return m_office.get();
    const QString name = CupsPrinter::defaultPrinterName();
    if (name.isEmpty()) {
        m_office.reset();
        return nullptr;
    }
    m_office = std::make_unique<CupsPrinter>(name, m_parent ? m_parent->window() : nullptr);
    m_office->setTitle(QStringLiteral("勤務実績表"));
    return m_office.get();
}

QString QtPrintTargets::askPdfFile(const QString &suggestedName) {
    return askSaveFile(m_parent, QStringLiteral("ＰＤＦファイルに保存"), suggestedName,
                       QStringLiteral("PDF ファイル (*.pdf)"), QStringLiteral(".pdf"));
}

Printer &QtPrintTargets::pdfFile(const QString &path, const QString &title) {
    m_pdf = std::make_unique<PdfFilePrinter>(path, title);
    return *m_pdf;
}

bool QtPrintTargets::pdfUnconfirmed() const {
    return m_pdf && m_pdf->unconfirmed();
}

bool QtPrintTargets::preview(const QString &title, const std::function<void(Printer &)> &draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    PreviewWindow window(
        printer, title,
        [&draw](QPrinter &p) {
            QtPrinter on(p, &p);
            draw(on);
        },
        m_parent ? m_parent->window() : nullptr);
    window.exec();
    return window.printAsked();
}

PrintProgress *QtPrintTargets::progress(int sheets) {
    m_progress.reset();
    if (sheets > kQuietSheets)
        m_progress = std::make_unique<DialogProgress>(m_parent ? m_parent->window() : nullptr);
    return m_progress.get();
}
