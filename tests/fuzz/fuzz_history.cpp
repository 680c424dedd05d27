// The change history over any bytes in Rireki.Dat: the check reads it in
// bounded pieces without failing and writes nothing, and the whole check
// replays whatever records it holds (every function word) without writing
// either; a group written after
// whatever the file held (what an interrupted write left cut off first) chains
// onto its last line, and the check never finds fault with it.
#include "FuzzCheck.h"
#include "data/HistoryAudit.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

namespace {

class StillClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2007, 3, 1), QTime(9, 0)); }
};

// In memory where the system has it: every write is synced.
QString folder() {
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/kvfuzz-XXXXXX")
                                                       : QDir::tempPath() + "/kvfuzz-XXXXXX");
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    LocalFileSystem fs(folder());
    const QString path = fs.resolve(QLatin1String(history::kFileName));
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(fuzzcheck::bytesOf(data, size));
    }
    const history::CheckResult before = history::check(fs);
    FUZZ_CHECK(before.error == FileError::None);
    FUZZ_CHECK(QFileInfo(path).size() == static_cast<qint64>(size));
    FUZZ_CHECK(before.intact() == (before.badLine == 0));
    // The whole check replays whatever records the bytes hold, of any
    // function word, against the data folder, and writes nothing either.
    MemorySettingsStore store;
    const history::Audit audit = history::audit(fs, store);
    FUZZ_CHECK(audit.exitCode() >= 0 && audit.exitCode() <= 2);
    FUZZ_CHECK(audit.chain.intact() == before.intact());
    FUZZ_CHECK(QFileInfo(path).size() == static_cast<qint64>(size));
    FUZZ_CHECK(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) ==
               QStringList{QLatin1String(history::kFileName)});

    const StillClock clock;
    const history::Written w = history::record({fs, clock, store}, history::word::dakoku,
                                               {{QStringLiteral("2007年3月"),
                                                 QStringLiteral("1"),
                                                 0,
                                                 QStringLiteral("1"),
                                                 2,
                                                 {},
                                                 QStringLiteral("9:00")},
                                                {QStringLiteral("2007年3月"),
                                                 QStringLiteral("1"),
                                                 0,
                                                 QStringLiteral("1"),
                                                 5,
                                                 {},
                                                 QStringLiteral("18:00")}});
    FUZZ_CHECK(w.ok());
    const history::CheckResult after = history::check(fs);
    FUZZ_CHECK(after.error == FileError::None);
    FUZZ_CHECK(after.unfinished == 0);
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::ReadOnly));
    const qint64 lines = f.readAll().count('\n');
    // The new group ends the file whole and is never what the check finds
    // fault with.
    FUZZ_CHECK(after.intact() ? after.lines == lines : after.badLine <= lines - 2);
    FUZZ_CHECK(!before.intact() || after.intact());
    (void)history::recordsOf(fs, QStringLiteral("2007年3月"), QStringLiteral("1"));
    return 0;
}
