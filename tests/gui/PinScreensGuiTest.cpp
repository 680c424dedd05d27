#include "Shots.h"
#include "access/Henkan.h"
#include "access/ui/frmpw.h"
#include "app/ui/ScreenRegistry.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using pinscramble::henkan;

namespace {
const QString kStoreKey = "Kelvane/Trdw/Psno";

void key(QWidget *w, Qt::Key k) {
    QTest::keyClick(w, k);
}

class PinScreensGuiTest : public ::testing::Test {
protected:
    void SetUp() override { registerScreens(registry); }

    frmpw *openSetup() {
        WorkingScreen *w = registry.create("pw", ctx);
        screen.reset(w);
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
        return qobject_cast<frmpw *>(w);
    }
    template <class T> T *child(const char *name) const {
        T *c = screen->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString stored() const { return t.settings.values.value(kStoreKey); }

    TestServices t;
    RecordingHost host;
    ScreenContext ctx{t.services, host};
    ScreenRegistry registry;
    std::unique_ptr<QWidget> screen;
};
} // namespace

TEST_F(PinScreensGuiTest, RegisterWithTheKeyboardStoresTheScrambledPin) {
    frmpw *w = openSetup();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->size(), QSize(259, 270));
    auto *box = child<QLineEdit>("texin_0");
    EXPECT_TRUE(box->isEnabled());
    EXPECT_FALSE(child<QLineEdit>("texin_1")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("cmdsousa_3")->isEnabled());
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(box->testAttribute(Qt::WA_InputMethodEnabled));

    box->setFocus();
    typeText(box, "48a29137"); // the letter is refused, the seventh digit too
    EXPECT_EQ(box->text(), "482913");
    key(box, Qt::Key_Return);
    EXPECT_EQ(box->selectedText(), "482913");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    typeText(child<QLineEdit>("texin_3"), "482913");

    QTest::mouseClick(child<QPushButton>("cmdsousa_2"), Qt::LeftButton);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"登録完了です。"});
    EXPECT_EQ(stored(), henkan("482913"));
    EXPECT_FALSE(t.settings.values.values().contains("482913"));
    EXPECT_EQ(t.session.storedPin, henkan("482913"));
    EXPECT_EQ(box->text(), "482913");

    key(box, Qt::Key_Escape);
    EXPECT_EQ(box->text(), "");
}

TEST_F(PinScreensGuiTest, ChangeSectionWithAStoredPin) {
    t.session.storedPin = t.settings.values[kStoreKey] = henkan("123456");
    openSetup();
    EXPECT_FALSE(child<QLineEdit>("texin_0")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("cmdsousa_2")->isEnabled());
    auto *current = child<QLineEdit>("texin_1");
    auto *next = child<QLineEdit>("texin_2");
    auto *again = child<QLineEdit>("texin_4");
    typeText(current, "123456");
    typeText(next, "65432");
    typeText(again, "65432");
    QTest::mouseClick(child<QPushButton>("cmdsousa_3"), Qt::LeftButton);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"暗証番号は６桁で入力してください。"});
    // Masked digits cannot be checked: every box of the section is typed anew.
    EXPECT_EQ(current->text() + next->text() + again->text(), "");
    EXPECT_TRUE(current->hasFocus());
    typeText(current, "123456");
    typeText(next, "654321");
    typeText(again, "654321");
    QTest::mouseClick(child<QPushButton>("cmdsousa_3"), Qt::LeftButton);
    EXPECT_EQ(t.dialogs.texts().last(), "変更しました。");
    EXPECT_EQ(stored(), henkan("654321"));
}

TEST_F(PinScreensGuiTest, ARegistrationAfterARefusalStoresExactlyWhatWasTypedTwice) {
    openSetup();
    auto *pin = child<QLineEdit>("texin_0");
    auto *again = child<QLineEdit>("texin_3");
    auto *enter = child<QPushButton>("cmdsousa_2");
    pin->setFocus();
    typeText(pin, "123");
    QTest::mouseClick(enter, Qt::LeftButton);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"暗証番号は６桁で入力してください。"});
    EXPECT_EQ(pin->text(), "");
    EXPECT_TRUE(pin->hasFocus());
    shots::grab(screen.get(), "pin-after-refusal.png");
    // Ctrl+A reaches the digit box: what is selected goes with Backspace.
    typeText(pin, "9");
    QTest::keyClick(pin, Qt::Key_A, Qt::ControlModifier);
    key(pin, Qt::Key_Backspace);
    typeText(pin, "246813");
    typeText(again, "246813");
    shots::grab(screen.get(), "pin-typed-twice.png");
    QTest::mouseClick(enter, Qt::LeftButton);
    EXPECT_EQ(t.dialogs.texts().last(), "登録完了です。");
    EXPECT_EQ(stored(), henkan("246813"));
    EXPECT_EQ(t.session.storedPin, henkan("246813"));
}

TEST_F(PinScreensGuiTest, GuidePanelOpensAndClosesAndToolbarClosesTheScreen) {
    frmpw *w = openSetup();
    auto *bar = child<QToolBar>("Toolbar1");
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->toolTip(), "この画面を閉じます");
    EXPECT_EQ(bar->actions()[1]->toolTip(), "操作ガイドを開きます");

    auto *closeGuide = child<QPushButton>("Command1");
    EXPECT_FALSE(closeGuide->isVisible());
    bar->actions()[1]->trigger();
    EXPECT_EQ(w->size(), QSize(526, 279));
    EXPECT_TRUE(closeGuide->isVisible());
    QTest::mouseClick(closeGuide, Qt::LeftButton);
    EXPECT_EQ(w->size(), QSize(259, 270));
    EXPECT_FALSE(w->guideOpen());

    key(child<QLineEdit>("texin_0"), Qt::Key_F1);
    EXPECT_EQ(host.guideShown, 1);

    bar->actions()[0]->trigger();
    EXPECT_EQ(host.punchClockShown, 1);
    EXPECT_FALSE(w->isVisible());
}

namespace {
// Runs inside the prompt's exec(): the steps get the open prompt.
void whilePromptOpen(std::function<void(QDialog *)> steps) {
    QTimer::singleShot(0, [steps] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        steps(dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
}
} // namespace

TEST_F(PinScreensGuiTest, PromptRefusesAWrongPinThenOpensOnTheRightOne) {
    t.session.storedPin = henkan("123456");
    t.session.pinRequester = "seiri";
    bool stillOpenAfterWrong = false;
    whilePromptOpen([&](QDialog *dlg) {
        auto *text1 = dlg->findChild<QLineEdit *>("Text1");
        auto *ok = dlg->findChild<QPushButton *>("Command1");
        ASSERT_TRUE(text1 && ok);
        EXPECT_EQ(ok->text(), "ＯＫ");
        const QPoint centre = dlg->screen()->availableGeometry().center();
        EXPECT_LE((dlg->geometry().center() - centre).manhattanLength(), 4);
        typeText(text1, "123450");
        key(text1, Qt::Key_Return); // swallowed: neither compares nor closes
        EXPECT_TRUE(t.dialogs.boxes().isEmpty());
        QTest::mouseClick(ok, Qt::LeftButton);
        stillOpenAfterWrong = dlg->isVisible();
        EXPECT_EQ(text1->text(), ""); // the next try is typed anew
        typeText(text1, "12");
        key(text1, Qt::Key_Escape); // empties the box, keeps the prompt
        EXPECT_EQ(text1->text(), "");
        EXPECT_TRUE(dlg->isVisible());
        typeText(text1, "123456");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_TRUE(registry.pinPrompt()(nullptr, ctx));
    EXPECT_TRUE(stillOpenAfterWrong);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"登録されている番号と一致しません。"});
}

TEST_F(PinScreensGuiTest, PromptClosedWithoutAMatchOpensNothing) {
    t.session.storedPin = henkan("123456");
    t.session.pinRequester = "syuukei";
    whilePromptOpen([](QDialog *dlg) {
        typeText(dlg->findChild<QLineEdit *>("Text1"), "123456");
        dlg->reject();
    });
    EXPECT_FALSE(registry.pinPrompt()(nullptr, ctx));
}
