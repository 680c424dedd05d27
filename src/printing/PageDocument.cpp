#include "printing/PageDocument.h"

#include "data/FileFailure.h"
#include "printing/OnceDialogs.h"

namespace pagedocument {

namespace {

PrintRun::Result run(Services &s, Printer &printer, const Document &doc) {
    return PrintRun(s, printer).pages([&](double offsetX, double offsetY) {
        return doc.draw(printer, offsetX, offsetY);
    });
}

} // namespace

bool previewOnce(Services &s, PrintTargets &targets, const QString &title,
                 const std::function<void(Printer &, Services &)> &draw) {
    OnceDialogs once(s.dialogs);
    Services quiet{s.fs, once, s.clock, s.settings, s.programEnd, s.session};
    return targets.preview(title, [&](Printer &p) { draw(p, quiet); });
}

void tellSent(Services &s, const Printer &office, const QString &what) {
    const QString name = office.printerName();
    s.dialogs.info(what + QStringLiteral("をプリンター") +
                   (name.isEmpty() ? QString() : QStringLiteral("「%1」").arg(name)) +
                   QStringLiteral("に送りました。"));
}

void tellSaved(Services &s, const PrintTargets &targets, const QString &what, const QString &path) {
    s.dialogs.info(what + QStringLiteral("をＰＤＦファイルに保存しました。\n") + path +
                   (targets.pdfUnconfirmed()
                        ? QStringLiteral("\n\n") + filefailure::unconfirmedText()
                        : QString()));
}

PrintRun::Result send(Services &s, PrintTargets &targets, Where where, const Document &doc) {
    switch (where) {
    case Where::Office:
        if (Printer *office = targets.office()) {
            const PrintRun::Result r = run(s, *office, doc);
            if (r.end == PrintRun::End::Done)
                tellSent(s, *office, doc.noun);
            return r;
        }
        if (s.dialogs.message(
                QStringLiteral("使用できるプリンターがありません。\n%1をＰＤＦファイル"
                               "に保存しますか？")
                    .arg(doc.noun),
                QStringLiteral("確認"), BoxIcon::Question, BoxButtons::YesNo) == BoxAnswer::Yes)
            return send(s, targets, Where::Pdf, doc);
        return {};
    case Where::Pdf: {
        const QString path = targets.askPdfFile(doc.pdfName);
        if (path.isEmpty() || filefailure::refuseDataFolder(s, path))
            return {};
        const PrintRun::Result r = run(s, targets.pdfFile(path, doc.title), doc);
        if (r.end == PrintRun::End::Done)
            tellSaved(s, targets, doc.noun, path);
        else if (r.end == PrintRun::End::Aborted)
            s.dialogs.info(QStringLiteral("ＰＤＦファイルは作成していません。\n") + path);
        return r;
    }
    case Where::Preview:
        if (previewOnce(s, targets, doc.title,
                        [&doc](Printer &p, Services &quiet) { run(quiet, p, doc); }))
            return send(s, targets, Where::Office, doc);
        return {};
    }
    return {};
}

} // namespace pagedocument
