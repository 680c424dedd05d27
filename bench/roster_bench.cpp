// Loading and saving a full roster (999 employees) through the roster screen,
// against reading and writing the same bytes with plain file calls in the
// same run. Prints each as a ratio.

#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/RecordFile.h"
#include "data/RosterScreen.h"
#include "platform/Clock.h"
#include "platform/Codec932.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProgramEnd.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

QByteArray fullRoster() {
    QStringList values;
    const QStringList pays = {QStringLiteral("月給"), QStringLiteral("日給"),
                              QStringLiteral("時給")};
    for (int i = 0; i < Roster::kSlots; ++i) {
        values.append(QString::number(i + 1));
        values.append(QStringLiteral("山田　太郎%1").arg(i + 1));
        values.append(pays[i % 3]);
        values.append(QString());
    }
    return records::format(values);
}

// One call, in microseconds.
double timeIt(const std::function<void()> &f) {
    QElapsedTimer timer;
    timer.start();
    f();
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0;
}

bool plainWrite(const QString &path, const QByteArray &bytes, bool sync) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) ==
                    static_cast<ssize_t>(bytes.size());
    const bool synced = !sync || ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok && synced;
}

// The least a replace that a crash or a power cut cannot tear takes: the new
// bytes written and synced beside the file, renamed over it, the folder synced.
bool plainReplace(const QString &folder, const QString &path, const QByteArray &bytes) {
    const QString temp = path + QStringLiteral(".new");
    if (!plainWrite(temp, bytes, true) ||
        ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    const int dfd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (dfd < 0)
        return false;
    const bool synced = ::fsync(dfd) == 0;
    return ::close(dfd) == 0 && synced;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    QuietDialogs dialogs;
    SystemClock clock;
    MemorySettingsStore settings; // keeps the history's anchor between saves
    QtProgramEnd programEnd;
    Session session;
    Services services{fs, dialogs, clock, settings, programEnd, session};

    const QByteArray bytes = fullRoster();
    const QString rosterPath = dir.filePath(QString::fromLatin1(kRosterFile));
    const QString plainPath = dir.filePath(QStringLiteral("plain.Dat"));
    plainWrite(rosterPath, bytes, true);
    constexpr int kRuns = 41;

    RosterScreen screen(services);
    // Each run times every side once, so each ratio compares calls made
    // moments apart under the same load.
    std::vector<double> load, plainRead, plainDecode, save, plainSave, plainSynced, replaced;
    bench::RatioRuns loadRead, loadDecode, saveWrite, saveSynced, saveReplaced;
    for (int run = 0; run < kRuns; ++run) {
        load.push_back(timeIt([&] { screen.open(); }));
        plainRead.push_back(timeIt([&] {
            QFile f(rosterPath);
            if (f.open(QIODevice::ReadOnly))
                (void)f.readAll();
        }));
        // The same bytes read and decoded in one piece: what the text itself costs.
        plainDecode.push_back(timeIt([&] {
            QFile f(rosterPath);
            if (f.open(QIODevice::ReadOnly))
                (void)cp932::decode(f.readAll()).split(QStringLiteral("\r\n"));
        }));
        save.push_back(timeIt([&] { screen.dhozon(); }));
        plainSave.push_back(timeIt([&] { plainWrite(plainPath, bytes, false); }));
        plainSynced.push_back(timeIt([&] { plainWrite(plainPath, bytes, true); }));
        replaced.push_back(timeIt([&] { plainReplace(dir.path(), plainPath, bytes); }));
        loadRead.add(load.back(), plainRead.back());
        loadDecode.add(load.back(), plainDecode.back());
        saveWrite.add(save.back(), plainSave.back());
        saveSynced.add(save.back(), plainSynced.back());
        saveReplaced.add(save.back(), replaced.back());
    }

    std::printf("full roster: %d slots, %lld bytes, median of %d runs\n", Roster::kSlots,
                static_cast<long long>(bytes.size()), kRuns);
    std::printf("load %9.1f us, plain read %9.1f us, read + one decode %9.1f us\n",
                bench::median(load), bench::median(plainRead), bench::median(plainDecode));
    std::printf("save %9.1f us, plain write %9.1f us, plain write + fsync %9.1f us\n",
                bench::median(save), bench::median(plainSave), bench::median(plainSynced));
    loadRead.print("load / plain read");
    loadDecode.print("load / read + one decode");
    saveWrite.print("save / plain write");
    std::printf("plain write + fsync + rename + folder fsync %9.1f us\n", bench::median(replaced));
    saveSynced.print("save / plain write + fsync", "<= 1.3");
    saveReplaced.print("save / plain write + fsync + rename + folder fsync");
    return programEnd.ended() ? 1 : 0;
}
