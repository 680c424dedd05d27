#include "platform/ui/QtDialogs.h"
#include "support/Printers.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Clicks the button with the caption in the next message box, and records
// what the box showed.
struct BoxRobot {
    QString click;
    QString title, text;
    QStringList captions;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

    void arm() {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                captions.append(b->text());
            for (QAbstractButton *b : box->buttons())
                if (b->text() == click)
                    b->click();
        });
    }
};

// A window of the size given, shown and active, as the main frame is.
bool showActive(QWidget &w, QSize size = QSize()) {
    if (size.isValid())
        w.resize(size);
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

} // namespace

TEST(QtDialogs, JapaneseButtonsAndAnswers) {
    QWidget parent;
    ASSERT_TRUE(showActive(parent));
    QtDialogs dialogs(&parent);

    struct Case {
        BoxButtons buttons;
        BoxIcon icon;
        QString click;
        BoxAnswer answer;
        QStringList captions;
        QMessageBox::Icon qtIcon;
    };
    const Case cases[] = {
        {BoxButtons::Ok, BoxIcon::None, "OK", BoxAnswer::Ok, {"OK"}, QMessageBox::NoIcon},
        {BoxButtons::OkCancel,
         BoxIcon::Warning,
         "キャンセル",
         BoxAnswer::Cancel,
         {"OK", "キャンセル"},
         QMessageBox::Warning},
        {BoxButtons::OkCancel,
         BoxIcon::Warning,
         "OK",
         BoxAnswer::Ok,
         {"OK", "キャンセル"},
         QMessageBox::Warning},
        {BoxButtons::YesNo,
         BoxIcon::Question,
         "いいえ(&N)",
         BoxAnswer::No,
         {"はい(&Y)", "いいえ(&N)"},
         QMessageBox::Question},
        {BoxButtons::YesNo,
         BoxIcon::Question,
         "はい(&Y)",
         BoxAnswer::Yes,
         {"はい(&Y)", "いいえ(&N)"},
         QMessageBox::Question},
    };
    for (const Case &c : cases) {
        BoxRobot robot;
        robot.click = c.click;
        robot.arm();
        EXPECT_EQ(dialogs.message("名簿から 3 名削除します。", "確認", c.icon, c.buttons),
                  c.answer);
        EXPECT_EQ(robot.title, "確認");
        EXPECT_EQ(robot.text, "名簿から 3 名削除します。");
        EXPECT_EQ(robot.icon, c.qtIcon);
        QStringList sorted = robot.captions;
        EXPECT_EQ(sorted.size(), c.captions.size());
        for (const QString &cap : c.captions)
            EXPECT_TRUE(robot.captions.contains(cap)) << cap.toStdString();
        // The parent is active again once the box has closed.
        EXPECT_TRUE(QTest::qWaitFor([&] { return parent.isActiveWindow(); }, 1000));
    }
}

TEST(QtDialogs, LongTextIsBrokenToTheFramesWidth) {
    QWidget frame;
    ASSERT_TRUE(showActive(frame, {430, 600}));
    QtDialogs dialogs(&frame);
    const QString longText = "6月31日の欄がこのタイムカードにありません。日付を確かめてください。"
                             "データのバックアップから復元してください。この日には打刻できません。";
    for (const BoxIcon icon : {BoxIcon::None, BoxIcon::Warning}) {
        int width = 0;
        QString shown;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            width = box->width();
            shown = box->text();
            box->buttons().first()->click();
        });
        dialogs.message(longText, "お知らせ", icon, BoxButtons::Ok);
        EXPECT_GT(width, 0);
        EXPECT_LE(width, frame.width());
        // Broken into lines, not a character lost.
        EXPECT_GT(shown.count('\n'), 0);
        // Lines end at the edges of words, never inside one.
        for (const QString word : {"ください", "バックアップ", "復元", "打刻"})
            EXPECT_TRUE(shown.contains(word)) << word.toStdString() << shown.toStdString();
        EXPECT_EQ(shown.remove('\n'), longText);
    }
}

TEST(QtDialogs, ALongListScrollsAndTheButtonsStayOnTheScreen) {
    QWidget frame;
    ASSERT_TRUE(showActive(frame, {600, 400}));
    QtDialogs dialogs(&frame);
    QString list = "次の従業員コードが重複しています。";
    for (int i = 1; i <= 80; ++i)
        list += QString("\n・%1 山田太郎").arg(i);
    int bottom = 0, screenBottom = 0;
    bool scrolls = false;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QAbstractButton *ok = box->buttons().first();
        bottom = ok->mapToGlobal(QPoint(0, ok->height())).y();
        screenBottom = box->screen()->availableGeometry().bottom();
        scrolls = box->findChild<QScrollArea *>("messageScroll") != nullptr;
        ok->click();
    });
    dialogs.notice(list);
    EXPECT_TRUE(scrolls);
    EXPECT_GT(bottom, 0);
    EXPECT_LE(bottom, screenBottom);
}

TEST(QtDialogs, AChoiceNamesItsAnswersOnTheButtons) {
    QWidget parent;
    ASSERT_TRUE(showActive(parent));
    QtDialogs dialogs(&parent);
    for (const auto &[click, answer] :
         {std::pair{"161:15 形式", BoxAnswer::Yes}, std::pair{"分の形式", BoxAnswer::No},
          std::pair{"キャンセル", BoxAnswer::Cancel}}) {
        BoxRobot robot;
        robot.click = click;
        robot.arm();
        EXPECT_EQ(
            dialogs.choose("時間の書き方", "確認", BoxIcon::Question, "161:15 形式", "分の形式"),
            answer);
        QStringList captions = robot.captions;
        captions.sort();
        EXPECT_EQ(captions, QStringList({"161:15 形式", "キャンセル", "分の形式"}));
    }
}
