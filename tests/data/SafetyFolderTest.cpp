#include "data/SafetyFolder.h"
#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SafetyFolder, EachActionKeepsIntoAFolderOfItsOwn) {
    TestServices t;
    t.clock.set(2007, 3, 10, 9, 30, 15);
    t.put("2007年3月/1.Card", "one");
    t.put("2007年3月/2.Card", "two");
    t.put("2007年4月/1.Card", "april");
    SafetyFolder first(t.fs, t.clock, "seiri");
    EXPECT_TRUE(first.place().isEmpty());
    EXPECT_EQ(first.keep("2007年3月", {}), FileError::None);
    EXPECT_TRUE(first.place().isEmpty()); // nothing to keep makes nothing
    EXPECT_EQ(first.keep("2007年3月", {"1.Card", "2.Card"}), FileError::None);
    EXPECT_EQ(first.keep("2007年4月", {"1.Card"}), FileError::None);
    EXPECT_EQ(first.place(), "Taihi/20070310-093015-seiri");
    // The same second, another action.
    SafetyFolder second(t.fs, t.clock, "seiri");
    EXPECT_EQ(second.keep("2007年3月", {"1.Card"}), FileError::None);
    EXPECT_EQ(second.place(), "Taihi/20070310-093015-seiri-2");
    EXPECT_EQ(t.bytes("Taihi/20070310-093015-seiri/2007年3月/2.Card"), "two");
    EXPECT_EQ(t.bytes("Taihi/20070310-093015-seiri/2007年4月/1.Card"), "april");
    EXPECT_EQ(t.bytes("Taihi/20070310-093015-seiri-2/2007年3月/1.Card"), "one");
    EXPECT_EQ(first.keptText("削除したタイムカード"),
              "削除したタイムカードは「" + t.dir.path() +
                  "/Taihi/20070310-093015-seiri」に控えてあります。");
    // No month list sees it: its name has no "月".
    EXPECT_EQ(t.fs.list("", "*月*", ListKind::FilesAndFolders),
              (QStringList{"2007年3月", "2007年4月"}));
    EXPECT_EQ(first.keep("..", {"1.Card"}), FileError::BadName);

    const SafetyFolder::Contents c = SafetyFolder::contents(t.fs);
    EXPECT_EQ(c.keepings, 2);
    EXPECT_EQ(c.bytes, 3 + 3 + 5 + 3);
    EXPECT_FALSE(c.link);
    EXPECT_EQ(SafetyFolder::empty(t.fs), FileError::None);
    EXPECT_EQ(SafetyFolder::contents(t.fs).keepings, 0);
    EXPECT_EQ(t.bytes("2007年3月/1.Card"), "one");
    EXPECT_EQ(SafetyFolder::empty(t.fs), FileError::None); // nothing left to empty
}

TEST(SafetyFolder, ALinkInItsPlaceIsNeverWrittenThroughNorEmptied) {
    TestServices t;
    QTemporaryDir elsewhere;
    t.put("2007年3月/1.Card", "one");
    {
        QFile f(elsewhere.filePath("precious"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    ASSERT_TRUE(QFile::link(elsewhere.path(), t.path("Taihi")));
    SafetyFolder s(t.fs, t.clock, "hukugen");
    EXPECT_EQ(s.keep("2007年3月", {"1.Card"}), FileError::Damaged);
    EXPECT_TRUE(SafetyFolder::contents(t.fs).link);
    EXPECT_EQ(SafetyFolder::empty(t.fs), FileError::Damaged);
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"precious"});
}

TEST(SafetyFolder, SizeText) {
    const std::pair<qint64, const char *> cases[] = {
        {0, "0 KB"},
        {1, "1 KB"},
        {350 * 1024, "350 KB"},
        {1024 * 1024 - 1, "1024 KB"},
        {1024 * 1024, "1.0 MB"},
        {qint64(12.4 * 1024 * 1024), "12.4 MB"},
        {qint64(1024) * 1024 * 1024 * 3 / 2, "1.5 GB"},
    };
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(SafetyFolder::sizeText(bytes), text) << bytes;
}
