// A PDF file is replaced only by a complete one; a file in place whose flush
// to the disk is not confirmed is reported as saved, with the warning.
#include "PrintFixture.h"
#include "data/FileFailure.h"
#include "platform/ui/PdfFilePrinter.h"
#include "printing/PrintPanel.h"

#include <QFile>
#include <cerrno>

namespace {

// The rename is done; the folder cannot be synced after it.
struct FolderUnsynced : PosixOps {
    bool fail = true;
    int openFolder(const char *path) override {
        if (!fail)
            return PosixOps::openFolder(path);
        errno = EIO;
        return -1;
    }
};

struct OneFileTargets : PrintTargets {
    QString path;
    FolderUnsynced ops;
    std::unique_ptr<PdfFilePrinter> file;
    Printer *office() override { return nullptr; }
    QString askPdfFile(const QString &) override { return path; }
    Printer &pdfFile(const QString &p, const QString &title) override {
        file = std::make_unique<PdfFilePrinter>(p, title, ops);
        return *file;
    }
    bool pdfUnconfirmed() const override { return file && file->unconfirmed(); }
    bool preview(const QString &, const std::function<void(Printer &)> &) override { return false; }
    PrintProgress *progress(int) override { return nullptr; }
};

} // namespace

TEST_F(PrintFixture, APdfInPlaceButNotConfirmedIsSavedWithTheWarning) {
    OneFileTargets targets;
    targets.path = t.path("out/勤務実績表.pdf");
    QDir().mkpath(t.path("out"));
    t.put("out/勤務実績表.pdf", "old");
    PrintPanel panel(t.services);
    panel.open(job.staff, job.monthFolder, job.settings);
    panel.setBox(PrintPanel::CopiesBox, "1");
    panel.leaveBox(PrintPanel::CopiesBox);

    for (const bool unsynced : {true, false}) {
        SCOPED_TRACE(unsynced);
        targets.ops.fail = unsynced;
        t.dialogs.clear();
        panel.pdf(targets);
        EXPECT_TRUE(t.bytes("out/勤務実績表.pdf").startsWith("%PDF"));
        EXPECT_EQ(targets.file->unconfirmed(), unsynced);
        const QString saved = "勤務実績表をＰＤＦファイルに保存しました。\n" + targets.path;
        EXPECT_EQ(t.dialogs.texts(),
                  QStringList{unsynced ? saved + "\n\n" + filefailure::unconfirmedText() : saved});
    }
}
