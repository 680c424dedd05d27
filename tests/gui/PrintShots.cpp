#include "data/CardTable.h"
#include "printing/ui/PrintPanelWidget.h"
#include "printing/ui/QtPrintTargets.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Pictures of the print panel and the preview for the documentation, written
// only when KELVANE_SHOT_DIR names a folder (run under a real X server).
namespace {

const QString kMonth = "2007年3月";

void save(QWidget *w, const QString &name) {
    QTest::qWait(300);
    w->grab().save(QDir(qEnvironmentVariable("KELVANE_SHOT_DIR")).filePath(name));
}

} // namespace

TEST(PrintShots, Write) {
    if (qEnvironmentVariableIsEmpty("KELVANE_SHOT_DIR"))
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    QFont ui("IPAPGothic");
    ui.setPointSize(10);
    QApplication::setFont(ui);
    TestServices t;
    QDir().mkpath(t.path(kMonth));
    ASSERT_TRUE(QFile::copy(QString(KELVANE_TEST_DATA) + "/printing/" + kMonth + "/12.Card",
                            t.path(kMonth + "/12.Card")));

    PrintPanel panel(t.services);
    QWidget host;
    host.setWindowTitle(" 勤務実績表の印刷");
    QtPrintTargets targets(&host);
    PrintPanelWidget w(panel, &host, &targets);
    w.move(16, 16);
    host.resize(w.width() + 32, w.height() + 32);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    CalcSettings calc;
    calc[CalcSettings::MonthlyPunchUnit + 1] = "15";
    calc[CalcSettings::MonthlyPunchUnit + 2] = "切捨て";
    w.open({"◆12  山田　太郎", " 15  佐藤　次郎"}, kMonth, calc);
    w.findChild<QRadioButton *>("Option2")->click();
    const char *typed[] = {"1", "20", "1"};
    for (int b = 0; b < PrintPanel::kBoxes; ++b) {
        panel.setBox(b, typed[b]);
        panel.leaveBox(b);
    }
    w.render();
    save(&host, "print-panel.png");

    QTimer::singleShot(1500, [] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == "PreviewWindow" && top->isVisible()) {
                save(top, "print-preview.png");
                static_cast<QDialog *>(top)->reject();
            }
    });
    panel.preview(targets);
}
