#include "Shots.h"
#include "data/CardTable.h"
#include "printing/ui/PrintPanelWidget.h"
#include "support/RecordingPrinter.h"
#include "support/TestServices.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kMonth = "2007年3月";

struct OfficeOnly : PrintTargets {
    RecordingPrinter printer;
    Printer *office() override { return &printer; }
    QString askPdfFile(const QString &) override { return {}; }
    Printer &pdfFile(const QString &, const QString &) override { return printer; }
    bool preview(const QString &, const std::function<void(Printer &)> &) override { return false; }
    PrintProgress *progress(int) override { return nullptr; }
};

bool focusOn(QWidget *w) {
    return QTest::qWaitFor([w] { return w->hasFocus(); }, 2000);
}

} // namespace

TEST(PrintPanelGui, DesignatedRangeTwoCopiesThenClose) {
    TestServices t;
    QDir().mkpath(t.path(kMonth));
    for (const auto &[code, name] : {std::pair{"1", "山田太郎"}, std::pair{"12", "鈴木花子"}}) {
        CardTable c;
        c.at(0, CardField::Name) = name;
        ASSERT_EQ(cardfile::write(t.fs, kMonth, code, c), FileError::None);
    }
    OfficeOnly targets;
    PrintPanel panel(t.services);
    QWidget host;
    PrintPanelWidget w(panel, &host, &targets);
    w.move(16, 16);
    host.resize(w.width() + 32, w.height() + 32);
    bool closed = false;
    QObject::connect(&w, &PrintPanelWidget::closed, [&] { closed = true; });
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    EXPECT_FALSE(w.isVisible());

    w.open({{"1", "山田太郎", true}, {"5", "佐藤次郎"}, {"12", "鈴木花子", true}}, kMonth,
           CalcSettings());
    EXPECT_TRUE(w.isVisible());
    ASSERT_TRUE(focusOn(&w));
    EXPECT_TRUE(w.findChild<QRadioButton *>("Option1")->isChecked());

    w.findChild<QRadioButton *>("Option2")->click();
    auto *from = w.findChild<QLineEdit *>("texinsatu_0");
    auto *to = w.findChild<QLineEdit *>("texinsatu_1");
    auto *copies = w.findChild<QLineEdit *>("texinsatu_2");
    from->setFocus();
    ASSERT_TRUE(focusOn(from));
    typeText(from, "1a");
    QTest::keyClick(from, Qt::Key_Return);
    ASSERT_TRUE(focusOn(to));
    typeText(to, "1234"); // three digits at most
    QTest::keyClick(to, Qt::Key_Backspace);
    QTest::keyClick(to, Qt::Key_Return);
    ASSERT_TRUE(focusOn(copies));
    typeText(copies, "2");
    QTest::keyClick(copies, Qt::Key_Escape); // does nothing here
    QTest::keyClick(copies, Qt::Key_Return);
    ASSERT_TRUE(focusOn(&w));
    EXPECT_EQ(from->text(), "1");
    EXPECT_EQ(to->text(), "12");
    EXPECT_EQ(copies->text(), "2");
    EXPECT_EQ(panel.settings().toCode, "12");

    // A picture for the documentation, when asked for (under a real X server).
    if (!shots::folder().isEmpty())
        host.grab().save(shots::path("print-panel.png"));
    QTest::mouseClick(w.findChild<QPushButton *>("cmdinsatu_0"), Qt::LeftButton);
    // The job handed over is told: how many sheets went to the printer.
    ASSERT_EQ(t.dialogs.texts().size(), 1);
    EXPECT_TRUE(t.dialogs.texts()[0].contains("（4 枚）")) << t.dialogs.texts()[0].toStdString();
    EXPECT_EQ(panel.lastRun().pages, 4);
    EXPECT_EQ(targets.printer.count("endDocument"), 1);

    w.findChild<QRadioButton *>("Option1")->click();
    EXPECT_EQ(from->text(), "");
    EXPECT_EQ(to->text(), "");
    QTest::mouseClick(w.findChild<QPushButton *>("cmdinsatu_1"), Qt::LeftButton);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w.isVisible());
}
