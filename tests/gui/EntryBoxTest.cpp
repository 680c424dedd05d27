#include "screen/ui/EntryBox.h"
#include "support/RecordingHost.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// Two entry boxes and a drop-down in a window with a menu bar; every entered()
// and left() is logged in the order it is delivered.
struct Boxes : ::testing::Test {
    QMainWindow window;
    EntryBox *a = nullptr;
    EntryBox *b = nullptr;
    EntryBox *combo = nullptr;
    QStringList log;

    void SetUp() override {
        window.menuBar()
            ->addMenu(QStringLiteral("ファイル(&F)"))
            ->addAction(QStringLiteral("終了"));
        auto *body = new QWidget(&window);
        auto *v = new QVBoxLayout(body);
        a = EntryBox::create(body, QStringLiteral("a"), KeyFilter::Digits, 2);
        b = EntryBox::create(body, QStringLiteral("b"));
        auto *c = new QComboBox(body);
        c->setEditable(true);
        c->addItems({QStringLiteral("月給"), QStringLiteral("日給")});
        combo = EntryBox::attach(c);
        for (EntryBox *e : {a, b, combo}) {
            v->addWidget(e->widget());
            QObject::connect(e, &EntryBox::entered, [this, e] { log.append("in:" + name(e)); });
            QObject::connect(e, &EntryBox::left, [this, e] { log.append("out:" + name(e)); });
        }
        window.setCentralWidget(body);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        a->setText(QStringLiteral("05"));
        focus(a);
        log.clear();
    }
    QString name(EntryBox *e) const { return e == a ? "a" : e == b ? "b" : "combo"; }
    void focus(EntryBox *e, Qt::FocusReason r = Qt::TabFocusReason) {
        e->widget()->setFocus(r);
        QTest::qWait(1); // the notices come on the next turn of the event loop
    }
};

} // namespace

TEST_F(Boxes, FocusThatComesBackIsNoLeaving) {
    a->lineEdit()->selectAll();
    typeText(a->widget(), QStringLiteral("0"));
    // The menu bar takes the focus for the keyboard and gives it back.
    window.menuBar()->setFocus(Qt::MenuBarFocusReason);
    focus(a, Qt::MenuBarFocusReason);
    // A message box over the window.
    QWidget box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::qWait(1);
    EXPECT_TRUE(a->widget()->hasFocus());
    // A drop-down list opened from a box.
    focus(combo);
    log.clear();
    qobject_cast<QComboBox *>(combo->widget())->showPopup();
    QTest::qWait(1);
    qobject_cast<QComboBox *>(combo->widget())->hidePopup();
    QTest::qWait(1);
    EXPECT_EQ(log, QStringList());
    EXPECT_EQ(a->remembered(), "05");
}

TEST_F(Boxes, EnterMovesOnAndTheLeavingComesFirst) {
    a->setNext(b->widget());
    a->lineEdit()->selectAll();
    typeText(a->widget(), QStringLiteral("7"));
    QTest::keyClick(a->widget(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return b->widget()->hasFocus(); }, 1000));
    QTest::qWait(1);
    EXPECT_EQ(log, QStringList({"out:a", "in:b"}));
    EXPECT_EQ(a->text(), "7");
    EXPECT_EQ(a->remembered(), "05");

    // A screen that decides where the focus goes hears Enter instead.
    int heard = 0;
    b->handEnterToScreen();
    QObject::connect(b, &EntryBox::enterPressed, [&] { ++heard; });
    QTest::keyClick(b->widget(), Qt::Key_Return);
    QTest::qWait(1);
    EXPECT_EQ(heard, 1);
    EXPECT_TRUE(b->widget()->hasFocus());
}

TEST_F(Boxes, EscEmptiesUnlessTheBoxIgnoresIt) {
    QStringList edits;
    QObject::connect(a, &EntryBox::edited, [&](const QString &t) { edits.append(t); });
    QTest::keyClick(a->widget(), Qt::Key_Escape);
    EXPECT_EQ(a->text(), "");
    EXPECT_EQ(edits, QStringList({""}));
    a->setText(QStringLiteral("12"));
    a->setEscape(EntryBox::Escape::Ignored);
    QTest::keyClick(a->widget(), Qt::Key_Escape);
    EXPECT_EQ(a->text(), "12");
}

TEST(EntryBoxKeys, EachFilterTakesItsCharacters) {
    struct Case {
        KeyFilter filter;
        const char *typed, *kept;
    };
    const Case cases[] = {
        {KeyFilter::None, "1a:-", "1a:-"},
        {KeyFilter::Digits, "1a2.3:-４", "123"},
        {KeyFilter::CertifiedHours, "1a2.3:-４", "12.3:-"},
    };
    for (const Case &c : cases) {
        QWidget parent;
        EntryBox *e = EntryBox::create(&parent, QStringLiteral("box"), c.filter);
        typeText(e->widget(), QString::fromUtf8(c.typed));
        e->lineEdit()->insert(QStringLiteral("x")); // as a paste would
        const QString kept = QString::fromUtf8(c.kept);
        EXPECT_EQ(e->text(), c.filter == KeyFilter::None ? kept + "x" : kept) << c.typed;
    }
    // A box whose screen stops filtering takes every character again.
    QWidget parent;
    EntryBox *e = EntryBox::create(&parent, QStringLiteral("box"), KeyFilter::Digits);
    e->setKeyFilter(KeyFilter::None);
    typeText(e->widget(), QStringLiteral("1a"));
    EXPECT_EQ(e->text(), "1a");
    EXPECT_TRUE(keyAccepted(KeyFilter::CertifiedHours, Qt::Key_Left, QString()));
    EXPECT_FALSE(keyAccepted(KeyFilter::CertifiedHours, Qt::Key_V, "\x16"));
}
