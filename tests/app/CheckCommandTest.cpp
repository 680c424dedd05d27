// "kelvane --check [FOLDER]": the report printed, the exit code, nothing written.
#include "app/CheckCommand.h"
#include "data/RecordFile.h"
#include "support/HistoryFiles.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

const QString kMonth = QStringLiteral("2007年3月");

// Every file below a folder with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(path, f.readAll());
    }
    return files;
}

} // namespace

TEST(CheckCommand, PrintsTheReportAndExitsByWhatItFound) {
    TestServices t;
    CardTable c;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        c.at(r, CardField::Day) = QString::number(r + 1);
        c.at(r, CardField::Code) = "1";
    }
    prepared(t, kMonth, {c});
    recordMade(t, history::word::dakoku, {{kMonth, "1", 2, "3", CardField::ClockIn, "", "9:00"}});
    struct Case {
        const char *name;
        std::function<void()> change;
        int exit;
        QString says;
    };
    const Case cases[] = {
        {"as the history says", [] {}, 0, "すべて変更履歴のとおりです"},
        {"a clock-in edited by hand",
         [&] {
             c.at(2, CardField::ClockIn) = "8:00";
             t.put(kMonth + "/1.Card", records::format(c.toList()));
         },
         1, "2007年3月　1　3日　出勤：ファイル「8:00」／変更履歴「9:00」"},
        {"a card that cannot be read", [&] { t.put(kMonth + "/1.Card", "torn"); }, 2,
         "読み込めません"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        k.change();
        const QMap<QString, QByteArray> before = snapshot(t.dir.path());
        QString out, err;
        QTextStream o(&out), e(&err);
        EXPECT_EQ(checkcommand::run(t.dir.path(), t.settings, o, e), k.exit);
        EXPECT_TRUE(out.contains(k.says)) << out.toStdString();
        EXPECT_TRUE(out.contains("変更履歴の末尾：")) << out.toStdString();
        EXPECT_EQ(snapshot(t.dir.path()), before);
    }
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(checkcommand::run(t.path("none"), t.settings, o, e), 2);
    EXPECT_TRUE(err.contains("データフォルダ"));
    EXPECT_EQ(checkcommand::dataFolderOf({"kelvane", "--check"}, "/opt/k"), "/opt/k");
    EXPECT_EQ(checkcommand::dataFolderOf({"kelvane", "--check", "/srv/data/"}, "/opt/k"),
              "/srv/data");
}
