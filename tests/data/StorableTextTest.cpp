#include "data/StorableText.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

TEST(StorableText, OnlyWhatTheFilesKeepAsTyped) {
    const struct {
        const char *text;
        bool holds;
    } cases[] = {
        {"", true},
        {"山田　太郎", true},
        {"ｽﾏｲﾙ～①―", true},    // the code page's own characters
        {"スマ\"イル", false}, // a value is written between quotes
        {"😀絵文字", false},    // not in the code page: written as "?"
        {"出勤〜退勤", false}, // written, but read back as "～"
        {"打刻—忘れ", false},  // read back as "―"
        {"休憩\t忘れ", false}, // a control character
        {"a\r\nb", false},     // a line end would split the value
    };
    for (const auto &c : cases)
        EXPECT_EQ(storable::holds(QString::fromUtf8(c.text)), c.holds) << c.text;

    ScriptedDialogs dialogs;
    EXPECT_TRUE(storable::accept(dialogs, QStringLiteral("打刻忘れ")));
    EXPECT_FALSE(storable::accept(dialogs, QStringLiteral("😀絵文字")));
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral(
                  "「😀絵文字」には保存できない文字が含まれているため、使用できません。")});
}
