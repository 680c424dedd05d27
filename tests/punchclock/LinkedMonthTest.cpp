// A card month folder that is a symbolic link to another place is named,
// and neither read nor written, wherever a screen opens it.
#include "PunchFixture.h"
#include "data/CardPreparation.h"
#include "punchclock/RecorderScreen.h"
#include "tally/TallyScreen.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>

namespace {

const QString kMonth = "2009年5月";

QMap<QString, QByteArray> filesOf(const QString &folder) {
    QMap<QString, QByteArray> files;
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        files[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    return files;
}

} // namespace

TEST(LinkedMonth, IsNamedAndNeverFollowedByAnyScreen) {
    struct Case {
        const char *screen;
        std::function<void(TestServices &)> open;
    };
    const Case cases[] = {
        {"punch clock",
         [](TestServices &t) {
             RecorderScreen screen(t.services);
             ASSERT_TRUE(screen.open());
             screen.tick();
             screen.activated();
             EXPECT_TRUE(screen.rack().lines().isEmpty());
         }},
        {"additional punch",
         [](TestServices &t) {
             RecorderScreen screen(t.services);
             ASSERT_TRUE(screen.open());
             t.dialogs.clear();
             ASSERT_TRUE(screen.openAddPanel());
             screen.addPanel().chooseMonth(kMonth);
             EXPECT_TRUE(screen.addPanel().employees().isEmpty());
         }},
        {"tally",
         [](TestServices &t) {
             TallyScreen screen(t.services);
             ASSERT_TRUE(screen.open());
             screen.chooseMonth(kMonth);
             EXPECT_TRUE(screen.lists().entries().isEmpty());
         }},
        {"preparation",
         [](TestServices &t) {
             CardPreparation prep(t.services);
             ASSERT_TRUE(prep.open());
             prep.leaveYear("2009");
             prep.leaveMonth("5");
             EXPECT_EQ(prep.prepare(), 0);
             EXPECT_FALSE(t.programEnd.ended());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.screen);
        TestServices t;
        QTemporaryDir elsewhere;
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        for (const QString &name : QDir(t.path(kMonth)).entryList(QDir::Files))
            ASSERT_TRUE(QFile::rename(t.path(kMonth + "/" + name), elsewhere.filePath(name)));
        ASSERT_TRUE(QDir(t.dir.path()).rmdir(kMonth));
        ASSERT_TRUE(QFile::link(elsewhere.path(), t.path(kMonth)));
        const auto outside = filesOf(elsewhere.path());
        t.clock.set(2009, 5, 12, 9, 0);
        c.open(t);
        EXPECT_TRUE(
            t.dialogs.texts().contains("「2009年5月」は別の場所を指すリンクのため、開けません。"))
            << t.dialogs.texts().join(" | ").toStdString();
        EXPECT_EQ(filesOf(elsewhere.path()), outside);
    }
}
