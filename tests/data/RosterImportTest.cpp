#include "data/RosterImport.h"
#include "data/RecordFile.h"
#include "data/RosterScreen.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

const QString kSource = QStringLiteral("給与/マルカ/DATA");

struct SourceRecord {
    QString code, name, status, payType;
};

// The payroll product's count file: eleven unquoted numbers, the third the
// number of employee records.
QByteArray countFile(const QString &n) {
    QByteArray b;
    const QStringList numbers = {"2007", "4", n, "0", "0", "0", "0", "0", "0", "0", "1"};
    for (const QString &v : numbers)
        b.append(v.toLatin1() + "\r\n");
    return b;
}

// Its employee file: 61 quoted values a record, the rest of each record
// filled with other personal data.
QByteArray employeeFile(const QList<SourceRecord> &records) {
    QStringList values;
    for (const SourceRecord &r : records)
        for (int v = 0; v < RosterImport::kValuesPerRecord; ++v) {
            switch (v) {
            case 0:
                values.append(r.code);
                break;
            case 1:
                values.append(r.name);
                break;
            case 46:
                values.append(r.status);
                break;
            case 47:
                values.append(r.payType);
                break;
            default:
                values.append(QStringLiteral("項目%1").arg(v));
                break;
            }
        }
    return records::format(values);
}

struct ImportFixture : ::testing::Test {
    TestServices t;
    RosterImport import{t.services};
    QString folder() const { return t.path(kSource); }
    void source(const QString &n, const QList<SourceRecord> &records) {
        t.put(kSource + "/Tourokusuu.Dat", countFile(n));
        t.put(kSource + "/Meibo.Dat", employeeFile(records));
    }
};

} // namespace

TEST_F(ImportFixture, FolderWithoutProductNameIsRefusedBeforeAnyRead) {
    source("1", {{"1", "山田", "在職", "月給"}});
    const RosterImport::Result r = import.run(t.path("給与/DATA"));
    EXPECT_EQ(r.outcome, RosterImport::Outcome::Refused);
    EXPECT_FALSE(r.hidesPanel());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(t.dialogs.boxes()[0].text,
              QStringLiteral("コピー元には「マルカ」を指定してください。"));
    EXPECT_EQ(t.dialogs.boxes()[0].title, QStringLiteral("ご注意"));
    EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Read), 0);
    EXPECT_EQ(import.run(QString()).outcome, RosterImport::Outcome::Refused);
}

TEST_F(ImportFixture, NoAtTheQuestionChangesNothing) {
    source("1", {{"1", "山田", "在職", "月給"}});
    t.dialogs.answer(BoxAnswer::No);
    const RosterImport::Result r = import.run(folder());
    EXPECT_EQ(r.outcome, RosterImport::Outcome::Declined);
    EXPECT_FALSE(r.hidesPanel());
    const ScriptedDialogs::Box &box = t.dialogs.boxes().at(0);
    EXPECT_EQ(box.text, QStringLiteral("コピーを開始します。"));
    EXPECT_EQ(box.title, QStringLiteral("確認"));
    EXPECT_EQ(box.icon, BoxIcon::Information);
    EXPECT_EQ(box.buttons, BoxButtons::YesNo);
    EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Read), 0);
}

TEST_F(ImportFixture, InServiceEmployeesKeepTheirPositions) {
    source("3", {{"101", "山田　太郎", "在職", "日給月給"},
                 {"102", "鈴木", "退職", "月給"},
                 {" 103", "ｻﾄｳ", "在職", "時給"}});
    const RosterImport::Result r = import.run(folder());
    ASSERT_EQ(r.outcome, RosterImport::Outcome::Imported);
    EXPECT_TRUE(r.hidesPanel());
    EXPECT_EQ(t.dialogs.boxes().size(), 1); // the question only
    const Employee &first = r.roster[0];
    EXPECT_EQ(first.code, QStringLiteral("101"));
    EXPECT_EQ(first.name, QStringLiteral("山田　太郎"));
    EXPECT_EQ(first.payType, QStringLiteral("月給"));
    EXPECT_EQ(first.mark, QString());
    EXPECT_FALSE(r.roster[1].inUse());
    EXPECT_EQ(r.roster[1].code, QString());
    EXPECT_EQ(r.roster[2].code, QStringLiteral(" 103"));
    EXPECT_EQ(r.roster[2].payType, QStringLiteral("時給"));
    for (int i = 3; i < Roster::kSlots; ++i)
        ASSERT_FALSE(r.roster[i].inUse()) << i;
}

TEST_F(ImportFixture, PayTypeMapping) {
    const std::pair<const char *, const char *> cases[] = {
        {"日給月給", "月給"}, {"月給", "月給"}, {"日給", "日給"},
        {"時給", "時給"},     {"", ""},         {"パート", "パート"}};
    for (const auto &[source, roster] : cases) {
        QStringList values(RosterImport::kValuesPerRecord);
        values[RosterImport::kPayTypeValue] = QString::fromUtf8(source);
        EXPECT_EQ(RosterImport::employeeOf(values, 0).payType, QString::fromUtf8(roster)) << source;
    }
}

TEST_F(ImportFixture, BadSourcesLeaveTheRosterAlone) {
    struct Case {
        const char *name;
        const char *count; // nullptr: no count file
        bool employees;    // whether Meibo.Dat exists
        RosterImport::Outcome outcome;
        bool message;
    };
    const Case cases[] = {
        {"no count file", nullptr, true, RosterImport::Outcome::NotFound, true},
        {"count 0", "0", true, RosterImport::Outcome::NotFound, true},
        {"count not a number", "abc", true, RosterImport::Outcome::NotFound, true},
        {"negative count", "-2", true, RosterImport::Outcome::NoRecords, false},
        {"no employee file", "2", false, RosterImport::Outcome::NotFound, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices ts;
        if (c.count)
            ts.put(kSource + "/Tourokusuu.Dat", countFile(QString::fromUtf8(c.count)));
        if (c.employees)
            ts.put(kSource + "/Meibo.Dat", employeeFile({{"1", "山田", "在職", "月給"}}));
        RosterImport imp(ts.services);
        const RosterImport::Result r = imp.run(ts.path(kSource));
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_TRUE(r.hidesPanel());
        QStringList expected{"コピーを開始します。"};
        if (c.message)
            expected.append("データファイルが見つかりません。");
        EXPECT_EQ(ts.dialogs.texts(), expected);
        EXPECT_FALSE(ts.fs.exists("Meibo.Dat"));
    }
}

TEST_F(ImportFixture, CountFileWithTooFewValuesReadsAsZero) {
    t.put(kSource + "/Tourokusuu.Dat", "\"2007\"\r\n\"4\"\r\n");
    t.put(kSource + "/Meibo.Dat", employeeFile({{"1", "山田", "在職", "月給"}}));
    EXPECT_EQ(import.run(folder()).outcome, RosterImport::Outcome::NotFound);
}

TEST_F(ImportFixture, RecordsBeyondSlot998AndBeyondTheFileAreIgnored) {
    QList<SourceRecord> many;
    for (int i = 0; i < 1005; ++i)
        many.append({QString::number(i + 1), QStringLiteral("社員%1").arg(i), "在職", "日給"});
    source("1005", many);
    RosterImport::Result r = import.run(folder());
    ASSERT_EQ(r.outcome, RosterImport::Outcome::Imported);
    EXPECT_EQ(r.roster[998].code, QStringLiteral("999"));
    EXPECT_EQ(r.roster[998].name, QStringLiteral("社員998"));

    // A count above what the file holds: the missing records read as empty.
    source("5", {{"1", "山田", "在職", "月給"}, {"2", "鈴木", "在職", "時給"}});
    r = import.run(folder());
    ASSERT_EQ(r.outcome, RosterImport::Outcome::Imported);
    EXPECT_TRUE(r.roster[1].inUse());
    EXPECT_FALSE(r.roster[2].inUse());
}

TEST_F(ImportFixture, ScreenWritesTheImportAtOnce) {
    t.put("Meibo.Dat", records::format(Roster::fromList({"9", "古い人", "月給", ""}).toList()));
    RosterScreen screen(t.services);
    ASSERT_TRUE(screen.open());
    screen.setTop(100);
    source("2", {{"7", "新しい人", "在職", "時給"}, {"8", "辞めた人", "休職", "月給"}});
    const RosterImport::Result r = import.run(folder());
    ASSERT_TRUE(screen.adoptImport(r.roster));
    EXPECT_EQ(screen.top(), 0);
    const records::Read saved = records::read(t.fs, "Meibo.Dat", Roster::kValues);
    EXPECT_EQ(saved.found, Roster::kValues);
    EXPECT_EQ(saved.values.mid(0, 8), (QStringList{"7", "新しい人", "時給", "", "", "", "", ""}));

    t.fs.failOn(FaultyFileSystem::Op::Replace, 2, FileError::DiskFull);
    EXPECT_FALSE(screen.adoptImport(r.roster));
    EXPECT_TRUE(t.programEnd.ended());
}

TEST(ImportDrives, MountedVolumesAreOffered) {
    const QStringList drives = RosterImport::drives();
    ASSERT_FALSE(drives.isEmpty());
    for (const QString &d : drives)
        EXPECT_FALSE(d.startsWith("/proc")) << d.toStdString();
}
