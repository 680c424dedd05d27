#pragma once

#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "printing/PrintRun.h"
#include "support/CardBytes.h"
#include "support/RecordingPrinter.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

// A card month with cards of employees 1, 2 and 12 in the data folder, and the
// staff list of a tally screen in which 1 and 12 are marked.
struct PrintFixture : ::testing::Test {
    static inline const QString kMonth = QStringLiteral("2007年3月");
    TestServices t;
    RecordingPrinter printer;
    PrintSettings settings;
    PrintJob job;

    void SetUp() override {
        job.monthFolder = kMonth;
        ASSERT_EQ(t.fs.makeFolder(kMonth), FileError::None);
        job.staff = {{"1", "山田太郎", true}, {"2", "佐藤次郎", false}, {"12", "鈴木花子", true}};
        for (const auto &[code, name] :
             {std::pair{"1", "山田太郎"}, std::pair{"2", "佐藤次郎"}, std::pair{"12", "鈴木花子"}})
            writeCard(code, name);
        settings.copies = "1";
    }
    void writeCard(const QString &code, const QString &name) {
        ASSERT_EQ(cardfile::write(t.fs, kMonth, code, blankCard(code, name)), FileError::None);
    }
    PrintRun::Result run() { return PrintRun(t.services, printer).insatu(job, settings); }
    // The name line of every page, in page order.
    QStringList pageNames() const {
        QStringList names;
        for (const QStringList &page : printer.pageTexts()) {
            QString name;
            for (const QString &text : page)
                if (text.startsWith("氏名： "))
                    name = text.mid(4);
            names << name;
        }
        return names;
    }
};
