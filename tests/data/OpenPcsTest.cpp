#include "data/OpenPcs.h"
#include "data/RecordFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QDateTime kNine(QDate(2007, 3, 1), QTime(9, 0, 5));

QStringList hosts(const openpcs::List &list) {
    QStringList out;
    for (const openpcs::Pc &pc : list.pcs)
        out.append(pc.host);
    return out;
}

} // namespace

TEST(OpenPcs, EachRunningProgramIsListedUntilItEnds) {
    QTemporaryDir dir;
    auto front = std::make_unique<LocalFileSystem>(dir.path());
    LocalFileSystem office(dir.path());
    LocalFileSystem onlooker(dir.path());
    EXPECT_EQ(hosts(openpcs::enter(*front, "front", kNine)), QStringList{"front"});
    EXPECT_EQ(hosts(openpcs::enter(office, "office", kNine.addSecs(60))),
              (QStringList{"front", "office"}));
    const openpcs::List both = openpcs::running(onlooker);
    EXPECT_EQ(hosts(both), (QStringList{"front", "office"}));
    EXPECT_EQ(both.pcs[0].started, "2007/03/01 09:00:05");
    EXPECT_EQ(openpcs::statusText(both, true),
              QStringLiteral("このデータフォルダを開いているパソコン：2台"));

    // Killed: its line stays in the file, but its mark went with it.
    front.reset();
    EXPECT_EQ(hosts(openpcs::running(onlooker)), QStringList{"office"});
    // The next program that writes the file leaves the line out, and takes
    // over a mark of the one gone without keeping its line.
    LocalFileSystem late(dir.path());
    EXPECT_EQ(hosts(openpcs::enter(late, "late", kNine)), (QStringList{"office", "late"}));
    EXPECT_EQ(records::read(late, openpcs::kFileName, 9).found, 6);

    EXPECT_TRUE(isSaved(openpcs::leave(office)));
    EXPECT_EQ(hosts(openpcs::running(onlooker)), QStringList{"late"});
}

TEST(OpenPcs, WithoutAMarkNothingIsCounted) {
    // A file system of one program alone holds no marks.
    EXPECT_EQ(openpcs::statusText({}, false),
              QStringLiteral("ほかのパソコンの使用状況は確かめられません"));
    EXPECT_EQ(openpcs::statusText({}, true),
              QStringLiteral("このデータフォルダを開いているパソコン：1台"));
}
