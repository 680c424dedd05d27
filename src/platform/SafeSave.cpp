#include "platform/SafeSave.h"

#include "platform/PosixWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The mode of a file that does not exist yet: what the umask leaves of 0666.
mode_t freshMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A replaced file keeps its mode; a new one gets the fresh mode.
mode_t modeForNewFile(const QByteArray &target) {
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        return st.st_mode & 07777;
    return freshMode();
}

// The names in a folder, read in one listing: a batch of many files looks up
// the mode of those that exist only, instead of asking for each by its path.
QSet<QByteArray> namesIn(const QByteArray &folder) {
    QSet<QByteArray> names;
    if (DIR *d = ::opendir(folder.constData())) {
        while (const dirent *e = ::readdir(d))
            names.insert(QByteArray(e->d_name));
        ::closedir(d);
    }
    return names;
}

// Writes bytes to a new temporary file for target, syncs it when asked, and
// closes it. Returns the temporary file's name, or an empty name with err set.
QByteArray writeTemp(const QByteArray &folder, const QByteArray &name, const QByteArray &bytes,
                     mode_t mode, PosixOps &ops, int &err, bool sync) {
    QByteArray pattern = folder + '/' + '.' + name + kTempMarker + QByteArrayLiteral("XXXXXX");
    int fd = ops.mkstemp(pattern.data());
    if (fd < 0) {
        err = errno;
        return {};
    }
    auto fail = [&](int e) {
        ops.close(fd);
        ops.unlink(pattern.constData());
        err = e;
        return QByteArray();
    };
    if (ops.fchmod(fd, mode) != 0)
        return fail(errno);
    if (const int e = writeAll(fd, bytes, ops); e != 0)
        return fail(e);
    // A failed fsync is final: the page cache may have dropped the data.
    if (sync && ops.fsync(fd) != 0)
        return fail(errno);
    if (ops.close(fd) != 0) {
        err = errno;
        ops.unlink(pattern.constData());
        return {};
    }
    return pattern;
}

} // namespace

FileError safeReplace(const QString &path, const QByteArray &bytes, PosixOps &ops) {
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray name = QFile::encodeName(info.fileName());
    int err = 0;
    const QByteArray temp =
        writeTemp(folder, name, bytes, modeForNewFile(folder + '/' + name), ops, err, true);
    if (temp.isEmpty())
        return writeErrorOf(err);
    if (ops.rename(temp.constData(), (folder + '/' + name).constData()) != 0) {
        err = errno;
        ops.unlink(temp.constData());
        return writeErrorOf(err);
    }
    const int dfd = ops.openFolder(folder.constData());
    if (dfd < 0)
        return FileError::Unconfirmed;
    return syncFolder(dfd, ops);
}

FileError safeReplaceAll(const QString &folder, const QList<std::pair<QString, QByteArray>> &files,
                         PosixOps &ops) {
    SafeBatch batch(ops);
    const FileError added = batch.add(folder, files);
    if (added != FileError::None)
        return added;
    return batch.commit().value(0, FileError::None);
}

SafeBatch::SafeBatch(PosixOps &ops) : m_ops(ops) {}

SafeBatch::~SafeBatch() {
    for (Folder &f : m_folders)
        drop(f, 0);
}

void SafeBatch::drop(Folder &f, qsizetype first) {
    for (qsizetype i = first; i < f.temps.size(); ++i)
        m_ops.unlink(f.temps[i].constData());
    f.temps.clear();
    f.targets.clear();
    if (f.dfd >= 0)
        m_ops.close(f.dfd);
    f.dfd = -1;
}

FileError SafeBatch::add(const QString &folder,
                         const QList<std::pair<QString, QByteArray>> &files) {
    m_folders.append(Folder());
    Folder &f = m_folders.last();
    if (files.isEmpty())
        return FileError::None;
    const QByteArray dir = QFile::encodeName(QFileInfo(folder).absoluteFilePath());
    // The folder is opened first: the flush reports the write-back errors
    // that happen after its opening, so it must come before the writes.
    f.dfd = m_ops.openFolder(dir.constData());
    if (f.dfd < 0) {
        f.error = writeErrorOf(errno);
        return f.error;
    }
    f.temps.reserve(files.size());
    f.targets.reserve(files.size());
    const QSet<QByteArray> present = namesIn(dir);
    const mode_t fresh = freshMode();
    for (const auto &[name, bytes] : files) {
        int err = 0;
        const QByteArray encoded = QFile::encodeName(name);
        const QByteArray target = dir + '/' + encoded;
        const mode_t mode = present.contains(encoded) ? modeForNewFile(target) : fresh;
        QByteArray temp = writeTemp(dir, encoded, bytes, mode, m_ops, err, false);
        if (temp.isEmpty()) {
            drop(f, 0);
            f.error = writeErrorOf(err);
            return f.error;
        }
        f.temps.append(temp);
        f.targets.append(target);
    }
    return FileError::None;
}

QList<FileError> SafeBatch::commit() {
    // One flush for all the data of a file system; a failure is final, as
    // with fsync, for every folder on it.
    QList<dev_t> synced;
    for (Folder &f : m_folders) {
        if (f.dfd < 0)
            continue;
        struct stat st {};
        const bool known = ::fstat(f.dfd, &st) == 0;
        if (known && synced.contains(st.st_dev))
            continue;
        if (m_ops.syncfs(f.dfd) != 0) {
            const FileError e = fileErrorFromErrno(errno);
            for (Folder &g : m_folders) {
                struct stat gst {};
                if (g.dfd >= 0 && (g.dfd == f.dfd || (known && ::fstat(g.dfd, &gst) == 0 &&
                                                      gst.st_dev == st.st_dev))) {
                    drop(g, 0);
                    g.error = e;
                }
            }
            continue;
        }
        if (known)
            synced.append(st.st_dev);
    }
    QList<FileError> results;
    for (Folder &f : m_folders) {
        if (f.dfd >= 0) {
            f.error = FileError::None;
            for (qsizetype i = 0; i < f.temps.size(); ++i) {
                if (m_ops.rename(f.temps[i].constData(), f.targets[i].constData()) != 0) {
                    f.error = writeErrorOf(errno);
                    drop(f, i);
                    break;
                }
            }
            if (f.dfd >= 0) {
                f.temps.clear();
                f.error = syncFolder(f.dfd, m_ops);
                f.dfd = -1;
            }
        }
        results.append(f.error);
    }
    return results;
}

bool isTempName(const QString &name) {
    constexpr qsizetype kRandom = 6; // mkstemp's XXXXXX
    const QLatin1String marker(kTempMarker);
    const qsizetype at = name.size() - kRandom - marker.size();
    // "." + at least one character of the target's name + marker + random.
    if (at < 2 || !name.startsWith(QLatin1Char('.')) || name.mid(at, marker.size()) != marker)
        return false;
    for (qsizetype i = name.size() - kRandom; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        const bool alnum =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!alnum)
            return false;
    }
    return true;
}

int removeStaleTemps(const QString &folder) {
    int removed = 0;
    auto clean = [&](const QDir &dir) {
        // Only hidden names can be temporary ones; the exact test is isTempName.
        const auto names =
            dir.entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : names)
            if (isTempName(name) && QFile::remove(dir.filePath(name)))
                ++removed;
    };
    const QDir root(folder);
    clean(root);
    // A linked folder is another place: nothing there is ours to remove.
    const auto subs = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &sub : subs)
        clean(QDir(root.filePath(sub)));
    return removed;
}
