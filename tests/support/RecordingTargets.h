#pragma once

#include "printing/PrintTargets.h"
#include "support/RecordingPrinter.h"

// Print targets that record: the office printer, the PDF file and the preview
// each a recording printer; the file dialog answers /tmp/list.pdf.
struct RecordingTargets : PrintTargets {
    RecordingPrinter office_;
    RecordingPrinter file;
    RecordingPrinter shown;
    bool hasOffice = true;
    bool printFromPreview = false;
    QString askedName;
    QStringList made; // path and title of each PDF printer

    Printer *office() override { return hasOffice ? &office_ : nullptr; }
    QString askPdfFile(const QString &name) override {
        askedName = name;
        return "/tmp/list.pdf";
    }
    Printer &pdfFile(const QString &path, const QString &title) override {
        made << path << title;
        return file;
    }
    int previewDraws = 1; // a real window draws again whenever it needs the pages
    bool preview(const QString &, const std::function<void(Printer &)> &draw) override {
        for (int n = 0; n < previewDraws; ++n)
            draw(shown);
        return printFromPreview;
    }
    PrintProgress *progress(int) override { return nullptr; }
};
